// A run-time error: what the runtime raises when it cannot carry out a statement, such as a
// call of a declared entry point whose library cannot be bound.
#pragma once

#include <QString>
#include <stdexcept>

namespace vbforms {

class RunTimeError : public std::runtime_error {
 public:
  // The error numbers the runtime raises.
  enum Number {
    kErrorLoadingLibrary = 48,  // the library file is there but cannot be loaded
    kFileNotFound = 53,         // no library file at the declared path
    kEntryPointNotFound = 453,  // the library has no entry of the declared name
  };

  RunTimeError(int number, const QString &description);

  int number() const { return number_; }
  const QString &description() const { return description_; }
  // The text of the error's report: its number, then its description.
  QString message() const;

 private:
  int number_;
  QString description_;
};

}  // namespace vbforms
