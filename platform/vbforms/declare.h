// A function declared by library path and entry name, for entries whose arguments and result
// are all 8-bit text:
//
//   vbforms::Declare<char *(*)(const char *)> Hello("$ORIGIN/hello.dll", "Hello");
//   QString reply = Hello(QString("世界"));
//
// At each call every argument is converted from wide text to code page 936 (the call stops
// with UnencodableArgument, before binding, if one cannot be), the entry is bound if it is
// not yet (see DeclaredEntry), and its result is taken over as a counted system string,
// converted to wide text and released.
#pragma once

#include <QString>
#include <array>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>

#include "vbforms/ansi_text.h"
#include "vbforms/declared_entry.h"

namespace vbforms {

template <typename Function>
class Declare;

template <typename... Params>
class Declare<char *(*)(Params...)> {
  static_assert((std::is_same_v<Params, const char *> && ...),
                "every argument of a declared function is 8-bit text");

 public:
  Declare(std::string libraryPath, std::string entryName)
      : entry_(std::move(libraryPath), std::move(entryName)) {}

  template <typename... Texts>
  QString operator()(const Texts &...texts) {
    static_assert(sizeof...(Texts) == sizeof...(Params), "wrong number of arguments");
    return Call(std::index_sequence_for<Texts...>{}, texts...);
  }

 private:
  template <std::size_t... Argument, typename... Texts>
  QString Call(std::index_sequence<Argument...>, const Texts &...texts) {
    const std::array<std::string, sizeof...(Params)> ansi{ToAnsiArgument(texts, Argument)...};
    const auto function = reinterpret_cast<char *(*)(Params...)>(entry_.Address());
    return std::apply(
        [function](const auto &...args) { return TakeOverResult(function(args.c_str()...)); },
        ansi);
  }

  DeclaredEntry entry_;
};

}  // namespace vbforms
