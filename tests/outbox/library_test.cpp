// The built outbox "qolvix_sms.dll", loaded as the two programs load it: loaddemo loads and
// unloads it around every call and passes the whole gateway entry; decldemo keeps it
// loaded, passes the entry's first 16 characters trimmed, and takes each reply over.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <ctime>
#include <functional>
#include <nlohmann/json.hpp>
#include <optional>
#include <regex>
#include <set>

#include "proc_maps.h"
#include "qolvix_sms.h"
#include "sysstring.h"
#include "temp_outbox.h"

namespace {

// One load of the library, with its two entry points.
class Loaded {
 public:
  Loaded() : handle_(::dlopen(OUTBOX_SMS_FILE, RTLD_NOW | RTLD_LOCAL)) {
    if (!handle_) ADD_FAILURE() << ::dlerror();
  }
  ~Loaded() {
    if (handle_) ::dlclose(handle_);
  }
  Loaded(const Loaded &) = delete;
  Loaded &operator=(const Loaded &) = delete;

  GetGatewayListFn list() const {
    return reinterpret_cast<GetGatewayListFn>(::dlsym(handle_, QOLVIX_SMS_GET_GATEWAY_LIST));
  }
  SendSmsFn send() const {
    return reinterpret_cast<SendSmsFn>(::dlsym(handle_, QOLVIX_SMS_SEND_SMS));
  }

 private:
  void *handle_;
};

// Takes a result over as decldemo does: the bytes its count gives, then frees it. The
// count must agree with the NUL, which loaddemo copies up to.
std::string TakeOver(char *result) {
  EXPECT_NE(result, nullptr);
  if (!result) return "";
  const std::string bytes(SysStringBytes(result));
  EXPECT_EQ(std::strlen(result), bytes.size()) << "count and NUL disagree";
  SysFreeString(result);
  return bytes;
}

// The seven texts of a send (UTF-8 here, code page 936 at the call); by default one that
// passes every check. nullopt passes a null pointer.
struct Fields {
  std::optional<std::string> gateway = "outbox-cmcc", account = "demo", password = "pw-secret",
                             mobile = "13800138000", message = "Hello", nickname = "",
                             reserved = "";
};

// Sends and gives the reply as UTF-8; the reply must be a counted string of code page 936.
std::string Send(const Loaded &lib, const Fields &f) {
  std::string bytes[7];
  const char *args[7];
  const std::optional<std::string> *fields[7] = {&f.gateway, &f.account,  &f.password, &f.mobile,
                                                 &f.message, &f.nickname, &f.reserved};
  for (int i = 0; i < 7; ++i) {
    if (*fields[i]) bytes[i] = Gbk(**fields[i]);
    args[i] = *fields[i] ? bytes[i].c_str() : nullptr;
  }
  return Words(TakeOver(lib.send()(args[0], args[1], args[2], args[3], args[4], args[5], args[6])));
}

// The same, with some texts given as raw bytes instead (bytes that are not code page 936).
std::string SendBytes(const Loaded &lib, const std::string &account, const std::string &message,
                      const std::string &nickname) {
  return Words(TakeOver(lib.send()("outbox-cmcc", account.c_str(), "pw", "13800138000",
                                   message.c_str(), nickname.c_str(), "")));
}

std::string Sent(std::uint64_t number, std::size_t segments = 1) {
  return "发送成功（已存入本地发件箱）：短信编号 " + std::to_string(number) + "，共 " +
         std::to_string(segments) + " 条短信";
}

const std::string kGatewayNames = "outbox-cmcc、outbox-unicom、outbox-telecom";

// The entries of a gateway list text, each ended by CR LF.
std::vector<std::string> Entries(const std::string &list) {
  std::vector<std::string> entries;
  std::size_t at = 0;
  for (std::size_t end; (end = list.find("\r\n", at)) != std::string::npos; at = end + 2)
    entries.push_back(list.substr(at, end - at));
  EXPECT_EQ(at, list.size()) << "text after the last CR LF";
  return entries;
}

// decldemo's gateway from an entry (UTF-8): its first 16 characters, spaces trimmed.
std::string DecldemoGateway(const std::string &entry) {
  std::u32string chars;
  const std::string utf32 = Iconv("UTF-32LE", "UTF-8", entry);
  chars.assign(reinterpret_cast<const char32_t *>(utf32.data()), utf32.size() / 4);
  chars = chars.substr(0, 16);
  chars.erase(0, chars.find_first_not_of(U' '));
  chars.erase(chars.find_last_not_of(U' ') + 1);
  return Iconv("UTF-8", "UTF-32LE",
               std::string(reinterpret_cast<const char *>(chars.data()), chars.size() * 4));
}

std::string Repeat(const std::string &piece, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

// Sets or unsets one environment variable for the life of the object.
class ScopedEnv {
 public:
  ScopedEnv(const char *name, const char *value) : name_(name) {
    if (const char *old = ::getenv(name)) old_ = old;
    value ? ::setenv(name, value, 1) : ::unsetenv(name);
  }
  ~ScopedEnv() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

 private:
  const char *name_;
  std::optional<std::string> old_;
};

// Runs body in a child process and gives its exit status (0: body returned true).
int InChild(const std::function<bool()> &body) {
  const pid_t pid = ::fork();
  if (pid == 0) ::_exit(body() ? 0 : 1);
  int status = -1;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

using OutboxLibrary = TempOutbox;

}  // namespace

TEST_F(OutboxLibrary, ListsGatewaysAsNamePaddedToSixteenThenADescription) {
  Loaded lib;
  const auto entries = Entries(TakeOver(lib.list()()));
  ASSERT_GE(entries.size(), 3u);
  EXPECT_EQ(Words(entries[0]), "outbox-cmcc     中国移动（本地发件箱）");
  const std::regex form("([a-z-]{1,15}) +");
  for (const std::string &entry : entries) {
    const std::string words = Words(entry);
    EXPECT_TRUE(std::regex_match(words.substr(0, 16), form)) << words;
    EXPECT_GT(words.size(), 16u) << "no description: " << words;
    EXPECT_NE(words[16], ' ') << words;
  }
}

TEST_F(OutboxLibrary, AcceptsEveryGatewayInEitherProgramsForm) {
  Loaded lib;
  std::uint64_t n = 0;
  for (const std::string &entry : Entries(TakeOver(lib.list()()))) {
    for (const std::string &gateway : {Words(entry), DecldemoGateway(Words(entry))}) {
      Fields f;
      f.gateway = gateway;
      EXPECT_EQ(Send(lib, f), Sent(++n)) << gateway;
      EXPECT_EQ(nlohmann::json::parse(Lines().back())["gateway"], gateway);
    }
  }
  EXPECT_EQ(n, 6u);
}

TEST_F(OutboxLibrary, TheFirstSixteenCharactersTrimmedNameTheGateway) {
  Loaded lib;
  struct Case {
    const char *gateway;
    bool accepted;
  } cases[] = {
      {"outbox-unicom", true},
      {"  outbox-unicom", true},
      {"outbox-unicom   another description", true},
      {"outbox-unicom-x", false},
      {"OUTBOX-UNICOM", false},
      {"outbox", false},
      {"outbox-unicom\r\n", false},
  };
  for (const Case &c : cases) {
    Fields f;
    f.gateway = c.gateway;
    const std::string reply = Send(lib, f);
    EXPECT_EQ(reply.rfind(c.accepted ? "发送成功" : "未发送：没有网关", 0), 0u)
        << c.gateway << ": " << reply;
  }
}

TEST_F(OutboxLibrary, RefusesWithTheReasonAndRecordsNothing) {
  Loaded lib;
  const std::string noGateway = "没有选择网关（可用的网关：" + kGatewayNames + "）";
  struct Case {
    std::function<void(Fields &)> change;
    std::string why;
  };
  std::vector<Case> cases = {
      {[](Fields &f) { f.gateway = ""; }, noGateway},
      {[](Fields &f) { f.gateway = "   "; }, noGateway},
      {[](Fields &f) { f.gateway = "网关甲"; },
       "没有网关“网关甲”（可用的网关：" + kGatewayNames + "）"},
      {[](Fields &f) { f.account = ""; }, "登录账号为空"},
      {[](Fields &f) { f.account = "   "; }, "登录账号为空"},
      {[](Fields &f) { f.mobile = ""; }, "对方手机号码为空"},
      {[](Fields &f) { f.mobile = "  "; }, "对方手机号码为空"},
      {[](Fields &f) { f.message = ""; }, "短信内容为空"},
      {[](Fields &f) { f.message = std::nullopt; }, "短信内容为空"},
      {[](Fields &f) {
         f = {std::nullopt, std::nullopt, std::nullopt, std::nullopt,
              std::nullopt, std::nullopt, std::nullopt};
       },
       noGateway},
  };
  for (const char *mobile : {"1234", "123456789012345678901", "1380013800a", "++13800138000", "+",
                             "138 0013 8000", "１３８００１３８０００"})
    cases.push_back(
        {[mobile](Fields &f) { f.mobile = mobile; },
         std::string("对方手机号码“") + mobile + "”无效：应为 5 到 20 位数字，可以 + 开头"});
  for (const Case &c : cases) {
    Fields f;
    c.change(f);
    EXPECT_EQ(Send(lib, f), "未发送：" + c.why);
  }
  EXPECT_FALSE(std::filesystem::exists(path_)) << "a refused message was recorded";
}

TEST_F(OutboxLibrary, RefusesBytesThatAreNotCodePage936AndNamesTheByte) {
  Loaded lib;
  const std::string hello = Gbk("你好");
  struct Case {
    std::string account, message, nickname, why;
  } cases[] = {
      {"demo", hello + "\xFF", "", "短信内容的第 5 个字节（0xFF）不是 GBK 编码的文字"},
      {"demo", hello + "\xB0", "", "短信内容的第 5 个字节（0xB0）不是 GBK 编码的文字"},
      {"demo", "ok", "\x81", "使用昵称的第 1 个字节（0x81）不是 GBK 编码的文字"},
      {"de\xFFmo", "ok", "", "登录账号的第 3 个字节（0xFF）不是 GBK 编码的文字"},
  };
  for (const Case &c : cases)
    EXPECT_EQ(SendBytes(lib, c.account, c.message, c.nickname), "未发送：" + c.why);
  EXPECT_FALSE(std::filesystem::exists(path_)) << "a refused message was recorded";
}

TEST_F(OutboxLibrary, AcceptsWhatMayBeEmptyOrSpacedAndKeepsItAsItArrived) {
  Loaded lib;
  struct Case {
    std::function<void(Fields &)> change;
    const char *key, *recorded;
  } cases[] = {
      {[](Fields &f) { f.password = ""; }, "account", "demo"},
      {[](Fields &f) { f.password = f.nickname = f.reserved = std::nullopt; }, "nickname", ""},
      {[](Fields &f) { f.mobile = "10086"; }, "mobile", "10086"},
      {[](Fields &f) { f.mobile = "+8613800138000"; }, "mobile", "+8613800138000"},
      {[](Fields &f) { f.mobile = "12345678901234567890"; }, "mobile", "12345678901234567890"},
      {[](Fields &f) { f.mobile = " 13800138000 "; }, "mobile", " 13800138000 "},
      {[](Fields &f) { f.account = "  demo "; }, "account", "  demo "},
      {[](Fields &f) { f.message = "  spaces kept  "; }, "message", "  spaces kept  "},
      {[](Fields &f) { f.message = " "; }, "message", " "},
  };
  std::uint64_t n = 0;
  for (const Case &c : cases) {
    Fields f;
    c.change(f);
    EXPECT_EQ(Send(lib, f), Sent(++n)) << c.recorded;
    EXPECT_EQ(nlohmann::json::parse(Lines().back())[c.key], c.recorded);
  }
}

TEST_F(OutboxLibrary, RecordsTheMessageExactlyAndNeverThePassword) {
  Loaded lib;
  Fields f;
  f.gateway = "outbox-unicom   中国联通（本地发件箱）";
  f.account = "演示账号";
  f.password = "秘密pw-0815";
  f.mobile = "+8613800138000";
  f.nickname = "小王";
  f.message = "第一行\r\n第二行 \"引号\" \\ 反斜杠\t制表 €";
  const std::time_t before = std::time(nullptr);
  ASSERT_EQ(Send(lib, f), Sent(1));

  const std::string all = Contents();
  for (const std::string &secret : {*f.password, Gbk(*f.password), std::string("pw-0815")})
    EXPECT_EQ(all.find(secret), std::string::npos) << "the password is in the outbox";
  const auto lines = Lines();
  ASSERT_EQ(lines.size(), 1u) << "the message's line break broke the record";
  const auto record = nlohmann::json::parse(lines[0]);
  EXPECT_EQ(record.size(), 9u) << lines[0];
  EXPECT_EQ(record["id"], 1);
  EXPECT_EQ(record["gateway"], *f.gateway);
  EXPECT_EQ(record["account"], *f.account);
  EXPECT_EQ(record["mobile"], *f.mobile);
  EXPECT_EQ(record["nickname"], *f.nickname);
  EXPECT_EQ(record["message"], *f.message);
  EXPECT_EQ(record["encoding"], "UCS-2");
  EXPECT_EQ(record["segments"], 1);
  EXPECT_FALSE(record.contains("password"));

  const std::string time = record["time"];
  std::tm tm{};
  ASSERT_NE(strptime(time.c_str(), "%Y-%m-%dT%H:%M:%SZ", &tm), nullptr) << time;
  EXPECT_EQ(time.size(), 20u) << time;
  const std::time_t when = timegm(&tm);
  EXPECT_GE(when, before);
  EXPECT_LE(when, std::time(nullptr));
}

TEST_F(OutboxLibrary, CountsSmsAtTheBoundaries) {
  Loaded lib;
  struct Case {
    std::string message;
    std::size_t segments;
    const char *encoding;
  } cases[] = {
      {Repeat("a", 160), 1, "GSM-7"},
      {Repeat("a", 161), 2, "GSM-7"},
      {Repeat("a", 306), 2, "GSM-7"},
      {Repeat("a", 307), 3, "GSM-7"},
      {Repeat("a\r\n", 53) + "a", 1, "GSM-7"},  // 160 septets, line breaks included
      {Repeat("{", 80), 1, "GSM-7"},            // extension characters take two septets
      {Repeat("{", 81), 2, "GSM-7"},
      {Repeat("a", 159) + "€", 2, "GSM-7"},
      {Repeat("a", 151) + "^" + Repeat("a", 153), 2, "GSM-7"},
      {Repeat("a", 152) + "^" + Repeat("a", 152), 3, "GSM-7"},  // "^" cannot be split
      {Repeat("中", 70), 1, "UCS-2"},
      {Repeat("中", 71), 2, "UCS-2"},
      {Repeat("中", 134), 2, "UCS-2"},
      {Repeat("中", 135), 3, "UCS-2"},
      {Repeat("a", 69) + "中", 1, "UCS-2"},  // one character outside GSM: all UCS-2
      {Repeat("a", 70) + "中", 2, "UCS-2"},
  };
  std::uint64_t n = 0;
  for (const Case &c : cases) {
    Fields f;
    f.message = c.message;
    EXPECT_EQ(Send(lib, f), Sent(++n, c.segments)) << c.message;
    const auto record = nlohmann::json::parse(Lines().back());
    EXPECT_EQ(record["segments"], c.segments) << c.message;
    EXPECT_EQ(record["encoding"], c.encoding) << c.message;
  }
}

TEST_F(OutboxLibrary, MakesTheFileAndItsFoldersForTheOwnerOnly) {
  const std::string deep = dir_ + "/a/b/outbox.jsonl";
  ScopedEnv file("QOLVIX_SMS_OUTBOX", deep.c_str());
  Loaded lib;
  ASSERT_EQ(Send(lib, {}), Sent(1));
  auto mode = [](const std::string &p) {
    struct stat st {};
    EXPECT_EQ(::stat(p.c_str(), &st), 0) << p;
    return st.st_mode & 07777;
  };
  EXPECT_EQ(mode(deep), 0600u);
  EXPECT_EQ(mode(dir_ + "/a"), 0700u);
  EXPECT_EQ(mode(dir_ + "/a/b"), 0700u);
}

TEST_F(OutboxLibrary, OtherwiseKeepsTheOutboxInTheUsersDataFolder) {
  const std::string home = dir_ + "/home", data = dir_ + "/data";
  ScopedEnv homeVar("HOME", home.c_str());
  struct Case {
    const char *outboxVariable, *dataHome;
    std::string expected;
  } cases[] = {
      {nullptr, nullptr, home + "/.local/share/qolvix_sms/outbox.jsonl"},
      {"", nullptr, home + "/.local/share/qolvix_sms/outbox.jsonl"},
      {nullptr, data.c_str(), data + "/qolvix_sms/outbox.jsonl"},
      {nullptr, "relative/data", home + "/.local/share/qolvix_sms/outbox.jsonl"},
  };
  Loaded lib;
  for (const Case &c : cases) {
    ScopedEnv file("QOLVIX_SMS_OUTBOX", c.outboxVariable);
    ScopedEnv dataVar("XDG_DATA_HOME", c.dataHome);
    std::filesystem::remove_all(home);
    std::filesystem::remove_all(data);
    EXPECT_EQ(Send(lib, {}), Sent(1)) << c.expected;
    EXPECT_TRUE(std::filesystem::is_regular_file(c.expected)) << c.expected;
  }
  ScopedEnv noFile("QOLVIX_SMS_OUTBOX", nullptr);
  ScopedEnv noData("XDG_DATA_HOME", nullptr);
  ScopedEnv noHome("HOME", nullptr);
  EXPECT_EQ(Send(lib, {}), "未发送：找不到发件箱的位置：HOME 和 QOLVIX_SMS_OUTBOX 都没有设置");
}

TEST_F(OutboxLibrary, AnOutboxThatCannotBeWrittenGivesAFailureReply) {
  SetContents("");
  const std::string blocker = path_;  // a file where a folder should be
  struct Case {
    std::string outbox, reply;
  } cases[] = {
      {dir_, "未发送：无法打开发件箱 " + dir_ + "："},  // a folder where the file should be
      {blocker + "/outbox.jsonl", "未发送：无法打开发件箱 " + blocker + "/outbox.jsonl："},
      {blocker + "/sub/outbox.jsonl", "未发送：无法建立发件箱的文件夹 " + blocker + "/sub："},
      // A name that code page 936 cannot hold shows as '?' in the reply.
      {blocker + "/\U0001F4C1/outbox.jsonl", "未发送：无法建立发件箱的文件夹 " + blocker + "/?："},
  };
  Loaded lib;
  for (const Case &c : cases) {
    ScopedEnv file("QOLVIX_SMS_OUTBOX", c.outbox.c_str());
    const std::string reply = Send(lib, {});
    EXPECT_EQ(reply.rfind(c.reply, 0), 0u) << reply;
    EXPECT_GT(reply.size(), c.reply.size()) << "no reason given: " << reply;
  }
  EXPECT_EQ(Contents(), "");
}

TEST_F(OutboxLibrary, AWriteCutShortLeavesTheOutboxAsItWas) {
  Loaded lib;
  ASSERT_EQ(Send(lib, {}), Sent(1));
  const std::string before = Contents();
  // The file may grow by 20 bytes only: the write of a long message stops part way, as on a
  // full disk.
  EXPECT_EQ(InChild([&] {
              ::signal(SIGXFSZ, SIG_IGN);
              const rlim_t limit = before.size() + 20;
              const rlimit small{limit, limit};
              if (::setrlimit(RLIMIT_FSIZE, &small) != 0) return false;
              Fields f;
              f.message = Repeat("long message ", 100);
              const std::string reply = Send(lib, f);
              if (reply.rfind("未发送：无法写入发件箱 ", 0) == 0) return true;
              std::fprintf(stderr, "reply: %s\n", reply.c_str());
              return false;
            }),
            0);
  EXPECT_EQ(Contents(), before);
  EXPECT_EQ(Send(lib, {}), Sent(2));
}

TEST_F(OutboxLibrary, ProgramsSendingAtOnceLoseNoLine) {
  constexpr int kPrograms = 3, kEach = 100;
  std::vector<pid_t> children;
  for (int p = 0; p < kPrograms; ++p) {
    const pid_t pid = ::fork();
    if (pid == 0) {
      Loaded lib;
      bool ok = true;
      for (int i = 0; i < kEach; ++i) {
        Fields f;
        f.message =
            "程序 " + std::to_string(p) + " 第 " + std::to_string(i) + " 条\r\n" + Repeat("x", 500);
        ok = Send(lib, f).rfind("发送成功", 0) == 0 && ok;
      }
      ::_exit(ok ? 0 : 1);
    }
    children.push_back(pid);
  }
  for (pid_t pid : children) {
    int status = -1;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  std::set<std::uint64_t> ids;
  std::set<std::string> messages;
  for (const std::string &line : Lines()) {
    const auto record = nlohmann::json::parse(line);
    ids.insert(record["id"].get<std::uint64_t>());
    messages.insert(record["message"].get<std::string>());
  }
  EXPECT_EQ(ids.size(), std::size_t(kPrograms * kEach));
  EXPECT_EQ(messages.size(), std::size_t(kPrograms * kEach));
  EXPECT_EQ(*ids.begin(), 1u);
  EXPECT_EQ(*ids.rbegin(), std::uint64_t(kPrograms * kEach));
}

TEST_F(OutboxLibrary, UnloadsCompletelyAndNumbersGoOnAcrossLoads) {
  for (std::uint64_t n = 1; n <= 3; ++n) {
    {
      Loaded lib;
      TakeOver(lib.list()());
      EXPECT_EQ(Send(lib, {}), Sent(n));
      EXPECT_TRUE(IsFileMapped(OUTBOX_SMS_FILE));
    }
    EXPECT_FALSE(IsFileMapped(OUTBOX_SMS_FILE)) << "still mapped after its last unload";
  }
}
