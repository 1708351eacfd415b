// For the outbox tests: a fresh outbox file per test, and text conversions of their own.
#pragma once

#include <gtest/gtest.h>
#include <iconv.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// QOLVIX_SMS_OUTBOX names a file in a new folder, which goes again with the test: no test
// writes to the user's own outbox.
class TempOutbox : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = (std::filesystem::temp_directory_path() / "outbox-test-XXXXXX").string();
    ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
    dir_ = tmpl;
    path_ = dir_ + "/outbox.jsonl";
    ::setenv("QOLVIX_SMS_OUTBOX", path_.c_str(), 1);
  }
  void TearDown() override {
    ::unsetenv("QOLVIX_SMS_OUTBOX");
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }

  std::string Contents() const {
    std::ifstream in(path_, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  void SetContents(const std::string &bytes) const {
    std::ofstream(path_, std::ios::binary | std::ios::trunc) << bytes;
  }
  // The file's lines; it must end with a newline.
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    const std::string text = Contents();
    std::size_t at = 0;
    for (std::size_t end; (end = text.find('\n', at)) != std::string::npos; at = end + 1)
      lines.push_back(text.substr(at, end - at));
    EXPECT_EQ(at, text.size()) << "the outbox does not end with a newline";
    return lines;
  }

  std::string dir_, path_;
};

// Strict iconv: a byte that does not convert fails the test.
inline std::string Iconv(const char *to, const char *from, const std::string &in) {
  iconv_t cd = iconv_open(to, from);
  EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1));
  std::string out(in.size() * 4 + 4, '\0');
  char *inPtr = const_cast<char *>(in.data()), *outPtr = out.data();
  std::size_t inLeft = in.size(), outLeft = out.size();
  EXPECT_NE(iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft), static_cast<std::size_t>(-1))
      << from << " to " << to << " stopped at byte " << in.size() - inLeft;
  iconv_close(cd);
  out.resize(out.size() - outLeft);
  return out;
}

// Code page 936 as UTF-8 (a reply, an entry), and back (text as the programs pass it).
inline std::string Words(const std::string &cp936) { return Iconv("UTF-8", "CP936", cp936); }
inline std::string Gbk(const std::string &utf8) { return Iconv("CP936", "UTF-8", utf8); }
