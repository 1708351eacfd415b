// The window as laid out in twips at 15 twips a pixel: places, sizes, captions, tab order,
// colours and settings; on Qt's offscreen platform.
#include <QApplication>
#include <QScreen>
#include <cmath>

#include "form_fixture.h"

namespace {

int Pixels(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

struct Control {
  const char *name;
  const char *caption;           // nullptr: the control has no caption
  int left, top, width, height;  // twips
  bool sizesToCaption;
};

// In tab order.
const Control kControls[] = {
    {"Label1", "注意：请将 qolvix_sms.dll 拷贝到 Windows 系统的 system 目录中。", 780, 240, 5670,
     200, false},
    {"Label2", "选择网关", 270, 780, 705, 180, true},
    {"cmdRefresh", "刷新列表", 5910, 720, 1000, 300, false},
    {"cmbGateway", nullptr, 1020, 720, 4800, 300, false},
    {"Label3", "登录账号", 270, 1200, 720, 180, true},
    {"Label4", "登录密码", 3075, 1200, 720, 180, true},
    {"txtUserName", nullptr, 1020, 1140, 2000, 300, false},
    {"txtPassword", nullptr, 3825, 1140, 2000, 300, false},
    {"Label5", "对方手机", 270, 1605, 720, 180, true},
    {"txtPhone", nullptr, 1020, 1545, 2000, 300, false},
    {"Label6", "使用昵称", 3075, 1605, 720, 180, true},
    {"txtNickName", nullptr, 3825, 1545, 2000, 300, false},
    {"Label7", "短信内容", 270, 2055, 720, 180, true},
    {"edtSms", nullptr, 1020, 1995, 4800, 1245, false},
    {"cmdSend", "发送短信", 5910, 2505, 1000, 300, false},
    {"lblError", "发送结果：", 787, 3570, 5580, 195, false},
};

using Window = FormTest;

TEST_F(Window, IsAFixedCentredWindowWithMinimizeButNoMaximizeBox) {
  EXPECT_EQ(form.windowTitle(), "《Quenlo短信》编程接口示例");
  const QSize client(Pixels(7155), Pixels(4245));
  EXPECT_EQ(form.size(), client);
  EXPECT_EQ(form.minimumSize(), client);
  EXPECT_EQ(form.maximumSize(), client);
  const Qt::WindowFlags flags = form.windowFlags();
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  const QRect screen = form.screen()->availableGeometry();
  // Within a pixel either way: odd sizes cannot sit exactly in the middle.
  const QPoint offset = form.geometry().center() - screen.center();
  EXPECT_LE(std::abs(offset.x()), 1) << offset.x();
  EXPECT_LE(std::abs(offset.y()), 1) << offset.y();
}

TEST_F(Window, EveryControlHasItsPlaceSizeAndCaption) {
  for (const Control &c : kControls) {
    SCOPED_TRACE(c.name);
    QWidget *w = FindControl<QWidget>(form, c.name);
    EXPECT_EQ(w->parentWidget(), &form);
    EXPECT_EQ(w->pos(), QPoint(Pixels(c.left), Pixels(c.top)));
    if (c.sizesToCaption) {
      // Sized to the caption in the window's font, which fits it whole.
      auto *label = qobject_cast<QLabel *>(w);
      ASSERT_NE(label, nullptr);
      EXPECT_EQ(w->size(), label->sizeHint());
      EXPECT_GE(w->width(), label->fontMetrics().horizontalAdvance(label->text()));
    } else {
      EXPECT_EQ(w->size(), QSize(Pixels(c.width), Pixels(c.height)));
    }
    if (auto *label = qobject_cast<QLabel *>(w)) {
      EXPECT_EQ(label->text(), c.caption);
    } else if (auto *button = qobject_cast<QPushButton *>(w)) {
      EXPECT_EQ(button->text(), c.caption);
    }
  }
}

TEST_F(Window, StartsEmptyWithTheFocusOnRefresh) {
  EXPECT_EQ(cmbGateway->count(), 0);
  EXPECT_EQ(cmbGateway->currentIndex(), -1);
  for (auto *box : {txtUserName, txtPassword, txtPhone, txtNickName})
    EXPECT_TRUE(box->text().isEmpty()) << box->objectName().toStdString();
  EXPECT_TRUE(edtSms->Text().isEmpty());
  EXPECT_EQ(lblError->text(), "发送结果：");
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  EXPECT_EQ(QApplication::focusWidget(), cmdRefresh);
  EXPECT_TRUE(recorder.Calls().empty()) << "nothing calls the library at start";
}

TEST_F(Window, TabVisitsTheInputsInTableOrder) {
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  QStringList order;
  for (int i = 0; i < 9; ++i) {
    QWidget *focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    order << focus->objectName();
    QTest::keyClick(focus, Qt::Key_Tab);
  }
  EXPECT_EQ(order, QStringList({"cmdRefresh", "cmbGateway", "txtUserName", "txtPassword",
                                "txtPhone", "txtNickName", "edtSms", "cmdSend", "cmdRefresh"}));
  EXPECT_TRUE(edtSms->Text().isEmpty()) << "Tab in the message moves on, it types nothing";
}

TEST_F(Window, EnterAndEscapePressNoButton) {
  for (QWidget *w : std::initializer_list<QWidget *>{txtUserName, txtPhone, cmbGateway}) {
    QTest::keyClick(w, Qt::Key_Return);
    QTest::keyClick(w, Qt::Key_Escape);
  }
  for (auto *button : {cmdRefresh, cmdSend}) {
    EXPECT_FALSE(button->isDefault());
    EXPECT_FALSE(button->autoDefault());
  }
  EXPECT_TRUE(recorder.Calls().empty());
  EXPECT_TRUE(form.isVisible());
}

TEST_F(Window, ControlSettings) {
  EXPECT_FALSE(cmbGateway->isEditable()) << "the gateway can only be picked";
  txtPassword->setText("abc");
  EXPECT_EQ(txtPassword->displayText(), "***");
  txtUserName->setText("abc");
  EXPECT_EQ(txtUserName->displayText(), "abc");
  EXPECT_EQ(edtSms->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(lblError->wordWrap(), false);
}

TEST_F(Window, TheTwoNoticeLabelsAreBlueOnTheTooltipBackground) {
  const QColor tooltip = QApplication::palette().color(QPalette::ToolTipBase);
  for (const char *name : {"Label1", "lblError"}) {
    SCOPED_TRACE(name);
    auto *label = FindControl<QLabel>(form, name);
    EXPECT_EQ(label->palette().color(label->foregroundRole()), QColor(0, 0, 255));
    // What is painted: the corner of the label shows the background, not the window's.
    const QImage image = label->grab().toImage();
    EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() - 1), tooltip);
  }
  EXPECT_NE(tooltip, form.palette().color(QPalette::Window)) << "the check above could not fail";
  EXPECT_EQ(FindControl<QLabel>(form, "Label2")->palette().color(QPalette::WindowText),
            form.palette().color(QPalette::WindowText));
}

// The layout was made for the Chinese desktop's 9-point Song face; in it the fixed texts
// fit their labels whole.
TEST_F(Window, TheNoticeAndTheReplyFitTheirLabels) {
  auto *notice = FindControl<QLabel>(form, "Label1");
  EXPECT_LE(notice->sizeHint().width(), notice->width()) << "the notice is cut off";
  for (QLabel *label : {notice, static_cast<QLabel *>(lblError)}) {
    SCOPED_TRACE(label->objectName().toStdString());
    // Drawn from the top, the whole line (the underscore of qolvix_sms.dll too) is inside.
    EXPECT_EQ(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
    EXPECT_LE(label->fontMetrics().boundingRect(notice->text()).height(), label->height());
  }
}

TEST_F(Window, ALongReplyStaysOnOneLineOfTheLabel) {
  const QSize before = lblError->size();
  lblError->SetCaption(QString("很长的回复").repeated(40));
  EXPECT_EQ(lblError->size(), before);
}

}  // namespace
