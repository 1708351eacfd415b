// Declared entry points: binding on the first call, reports of what failed, binding again
// after a failure, and the result taken over by its count.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "codepage.h"
#include "proc_maps.h"
#include "recorder.h"
#include "vbforms/declare.h"
#include "vbforms/run_time_error.h"

namespace fs = std::filesystem;

namespace {

using ListFunction = char *(*)();
using SendFunction = char *(*)(const char *, const char *, const char *, const char *, const char *,
                               const char *, const char *);

class TempDir {
 public:
  TempDir() {
    std::string name = (fs::temp_directory_path() / "vbforms-XXXXXX").string();
    if (!::mkdtemp(name.data())) throw std::runtime_error("mkdtemp failed");
    path_ = name;
  }
  ~TempDir() { fs::remove_all(path_); }
  const fs::path &path() const { return path_; }

 private:
  fs::path path_;
};

// The number of the run-time error fn raises, and that its report names path and entry.
int ErrorOf(const std::function<void()> &fn, const std::string &path, const char *entry) {
  try {
    fn();
  } catch (const vbforms::RunTimeError &e) {
    const QString message = e.message();
    EXPECT_TRUE(message.contains(QString::fromStdString(path))) << message.toStdString();
    EXPECT_TRUE(message.contains(entry)) << message.toStdString();
    return e.number();
  }
  ADD_FAILURE() << "no run-time error";
  return 0;
}

TEST(DeclaredEntry, ReportsWhatFailedAndBindsAgainOnTheNextCall) {
  TempDir dir;
  const std::string path = (dir.path() / "qolvix_sms.dll").string();
  Recorder recorder;
  recorder.SetListReply("GW01\r\n");
  vbforms::Declare<ListFunction> list(path, "GetGatewayList");
  vbforms::Declare<SendFunction> send(path, "SendSms");
  const QString x = "x";
  const auto callSend = [&] { send(x, x, x, x, x, x, x); };

  EXPECT_EQ(ErrorOf([&] { list(); }, path, "GetGatewayList"), 53);
  std::ofstream(path) << "not a library";
  EXPECT_EQ(ErrorOf([&] { list(); }, path, "GetGatewayList"), 48);

  fs::copy_file(ONLY_LIST_SMS, path, fs::copy_options::overwrite_existing);
  EXPECT_EQ(ErrorOf(callSend, path, "SendSms"), 453);
  EXPECT_FALSE(IsFileMapped(path)) << "a failed binding keeps nothing loaded";

  fs::copy_file(RECORDING_SMS, path, fs::copy_options::overwrite_existing);
  EXPECT_EQ(list(), "GW01\r\n");
  EXPECT_NO_THROW(callSend());
  EXPECT_EQ(recorder.Calls().size(), 2u);
  EXPECT_TRUE(IsFileMapped(path));

  fs::remove(path);
  EXPECT_EQ(list(), "GW01\r\n") << "the bound address is kept";
}

TEST(DeclaredEntry, OriginIsTheProgramsDirectoryNeverTheCurrentOne) {
  TempDir dir;
  fs::copy_file(RECORDING_SMS, dir.path() / "elsewhere.dll");
  const fs::path previous = fs::current_path();
  fs::current_path(dir.path());
  Recorder recorder;
  recorder.SetListReply("ok");
  vbforms::Declare<ListFunction> inCurrentDir("$ORIGIN/elsewhere.dll", "GetGatewayList");
  vbforms::Declare<ListFunction> besideProgram("$ORIGIN/qolvix_sms.dll", "GetGatewayList");
  const std::string programDir = fs::read_symlink("/proc/self/exe").parent_path().string();

  EXPECT_EQ(ErrorOf([&] { inCurrentDir(); }, programDir + "/elsewhere.dll", "GetGatewayList"), 53);
  EXPECT_EQ(besideProgram(), "ok");
  EXPECT_TRUE(IsFileMapped(programDir + "/qolvix_sms.dll"));
  fs::current_path(previous);
}

TEST(DeclaredEntry, TheResultIsConvertedByItsCountAndANullResultIsEmpty) {
  Recorder recorder;
  vbforms::Declare<ListFunction> list("$ORIGIN/qolvix_sms.dll", "GetGatewayList");
  recorder.SetListReply(std::string("ab\0cd", 5));
  EXPECT_EQ(list(), QString::fromUtf16(u"ab\0cd", 5));
  recorder.NullListReply();
  EXPECT_EQ(list(), "");
}

TEST(DeclaredEntry, AnArgumentThatCannotBeConvertedStopsTheCallBeforeBindingAndIsNamed) {
  TempDir dir;  // no library in it: any attempt to bind would be reported instead
  const std::string path = (dir.path() / "qolvix_sms.dll").string();
  vbforms::Declare<SendFunction> send(path, "SendSms");
  const QString x = "x";
  const QString emoji = "hi" + QString::fromUcs4(U"\U0001F600");
  const QString lone = QString("a") + QChar(0xDC00);
  const struct {
    QString a0, a1, a4, a6;
    std::size_t argument;
    char32_t character;
  } cases[] = {
      {emoji, x, x, x, 0, U'\U0001F600'},
      {x, x, emoji, x, 4, U'\U0001F600'},
      {x, x, x, emoji, 6, U'\U0001F600'},
      {x, lone, emoji, x, 1, 0xDC00},  // the first argument that cannot be converted
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.argument);
    try {
      send(c.a0, c.a1, x, x, c.a4, x, c.a6);
      ADD_FAILURE() << "the call went ahead";
    } catch (const vbforms::UnencodableArgument &e) {
      EXPECT_EQ(e.argument(), c.argument);
      EXPECT_EQ(e.character(), c.character);
    }
  }
}

}  // namespace
