// Errors inside a click: reported, never passed on to Qt, and the program goes on.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "report_catcher.h"
#include "vbforms/command_button.h"
#include "vbforms/run_time_error.h"

namespace {

TEST(ClickEvent, AnErrorEndsOnlyThatClickAndIsReported) {
  ReportCatcher reports;
  vbforms::CommandButton button;
  std::function<void()> fail;
  int completed = 0;
  button.OnClick([&] {
    if (fail) fail();
    ++completed;
  });
  const struct {
    const char *name;
    std::function<void()> fail;
    QString reported;
  } cases[] = {
      {"run-time error", [] { throw vbforms::RunTimeError(53, "文件未找到：/x/qolvix_sms.dll"); },
       "实时错误 '53'：\n\n文件未找到：/x/qolvix_sms.dll"},
      {"other exception", [] { throw std::runtime_error("broken"); }, "broken"},
      {"anything thrown", [] { throw 42; }, "未知错误"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    fail = c.fail;
    button.click();
    ASSERT_FALSE(reports.messages().isEmpty());
    EXPECT_TRUE(reports.messages().last().contains(c.reported))
        << reports.messages().last().toStdString();
  }
  EXPECT_EQ(reports.messages().size(), 3);
  EXPECT_EQ(completed, 0);
  fail = nullptr;
  button.click();
  EXPECT_EQ(completed, 1);
  EXPECT_EQ(reports.messages().size(), 3);
}

TEST(ClickEvent, ByDefaultTheReportIsAModalMessageBox) {
  vbforms::CommandButton button;
  button.OnClick([] { throw vbforms::RunTimeError(453, "找不到 DLL 入口点 SendSms"); });
  QString shown;
  bool modal = false;
  // Closes the box once it is up; the click returns only after that.
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    for (QWidget *w : QApplication::topLevelWidgets()) {
      if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible()) {
        shown = box->text();
        modal = box->isModal();
        box->done(QMessageBox::Ok);
      }
    }
  });
  closer.start(20);
  button.click();
  EXPECT_TRUE(modal);
  EXPECT_TRUE(shown.contains("453")) << shown.toStdString();
  EXPECT_TRUE(shown.contains("SendSms")) << shown.toStdString();
}

}  // namespace
