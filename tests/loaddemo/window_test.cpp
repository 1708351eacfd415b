// Form1 as the stored form describes it: the window, its controls, their tab order.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>

#include "form_fixture.h"

namespace {

TEST_F(Loaddemo, WindowProperties) {
  EXPECT_EQ(form->objectName(), "Form1");
  EXPECT_EQ(form->windowTitle(), QString::fromUtf8("《Quenlo短信编程接口》示例程序"));
  EXPECT_EQ(form->pos(), QPoint(192, 107));
  EXPECT_EQ(form->size(), QSize(492, 293));
  EXPECT_EQ(form->minimumSize(), QSize(492, 293)) << "not resizable";
  EXPECT_EQ(form->maximumSize(), QSize(492, 293)) << "not resizable";
  const Qt::WindowFlags flags = form->windowFlags();
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
  EXPECT_EQ(form->palette().color(QPalette::Window),
            QApplication::palette().color(QPalette::Button));
  EXPECT_TRUE(form->autoFillBackground());

  EXPECT_EQ(form->font().family(), QString::fromUtf8("宋体"));
  EXPECT_EQ(QFontInfo(form->font()).pixelSize(), 12);
  EXPECT_FALSE(form->font().bold());
  EXPECT_FALSE(form->font().italic());
  // The Song face the font is mapped to draws the window's Chinese captions.
  EXPECT_TRUE(QFontMetrics(form->font()).inFont(QChar(0x5B8B)))
      << "resolved to " << QFontInfo(form->font()).family().toStdString();
}

TEST_F(Loaddemo, ControlsStandWhereTheStoredFormPutsThem) {
  const struct {
    const char *name, *className;
    QString caption;
    QRect geometry;
  } controls[] = {
      {"cmbGateway", "TComboBox", "", {68, 45, 340, 20}},
      {"cmdRefresh", "TButton", QString::fromUtf8("刷新"), {417, 45, 60, 20}},
      {"txtUserName", "TEdit", "", {68, 70, 160, 20}},
      {"txtPassword", "TEdit", "", {68, 94, 160, 20}},
      {"txtPhone", "TEdit", "", {68, 118, 160, 20}},
      {"txtNickName", "TEdit", "", {68, 143, 160, 20}},
      {"edtMessage", "TMemo", "", {68, 169, 340, 77}},
      {"cmdSend", "TButton", QString::fromUtf8("发送短信"), {417, 201, 60, 20}},
      {"txtResult", "TEdit", "", {68, 253, 340, 20}},
      {"Label2",
       "TLabel",
       QString::fromUtf8("运行之前，切记把 qolvix_sms.dll 拷贝到当前目录，或者 Windows 的 "
                         "System 目录中"),
       {15, 19, 462, 12}},
      {"Label1", "TLabel", QString::fromUtf8("选择网关"), {15, 49, 48, 12}},
      {"Label3", "TLabel", QString::fromUtf8("登录账号"), {15, 74, 48, 12}},
      {"Label6", "TLabel", QString::fromUtf8("登录密码"), {15, 98, 48, 12}},
      {"Label5", "TLabel", QString::fromUtf8("对方手机"), {15, 122, 48, 12}},
      {"Label7", "TLabel", QString::fromUtf8("使用昵称"), {15, 147, 48, 12}},
      {"Label8", "TLabel", QString::fromUtf8("短信内容"), {15, 171, 48, 12}},
      {"Label9", "TLabel", QString::fromUtf8("发送结果"), {15, 257, 48, 12}},
  };
  QStringList names;
  for (const auto &c : controls) {
    auto *widget = form->findChild<QWidget *>(c.name);
    ASSERT_NE(widget, nullptr) << c.name;
    EXPECT_EQ(widget->parentWidget(), form.get()) << c.name;
    EXPECT_STREQ(widget->metaObject()->className(), c.className) << c.name;
    EXPECT_EQ(widget->geometry(), c.geometry) << c.name;
    const QVariant caption = widget->property("text");
    EXPECT_EQ(caption.isValid() ? caption.toString() : widget->property("plainText").toString(),
              c.caption)
        << c.name;
    names << c.name;
  }
  EXPECT_EQ(form->findChild<QWidget *>("Label4"), nullptr);
  // Nothing else stands in the window.
  for (QWidget *child : form->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
    EXPECT_TRUE(names.contains(child->objectName())) << child->objectName().toStdString();
}

TEST_F(Loaddemo, TabOrder) {
  const QStringList expected = {"cmbGateway",  "cmdRefresh", "txtUserName",
                                "txtPassword", "txtPhone",   "txtNickName",
                                "edtMessage",  "cmdSend",    "txtResult"};
  QStringList order;
  QWidget *w = form->cmbGateway;
  do {
    if (w->focusPolicy() & Qt::TabFocus) order << w->objectName();
    w = w->nextInFocusChain();
  } while (w != form->cmbGateway && order.size() < 20);
  EXPECT_EQ(order, expected);
  for (QLabel *label : form->findChildren<QLabel *>())
    EXPECT_EQ(label->focusPolicy(), Qt::NoFocus) << label->objectName().toStdString();
}

TEST_F(Loaddemo, ControlSettings) {
  EXPECT_FALSE(form->cmbGateway->isEditable()) << "pick only";

  form->txtPassword->setText("secret");
  EXPECT_EQ(form->txtPassword->displayText(), "******");
  EXPECT_EQ(form->txtPassword->Text(), "secret");

  EXPECT_TRUE(form->txtResult->isReadOnly());
  EXPECT_EQ(form->txtResult->palette().color(QPalette::Base), QColor(Qt::yellow));
  EXPECT_EQ(form->txtResult->palette().color(QPalette::Text), QColor(Qt::blue));
  EXPECT_EQ(form->txtResult->font().family(), QString::fromUtf8("宋体"));
  EXPECT_EQ(QFontInfo(form->txtResult->font()).pixelSize(), 12);

  EXPECT_TRUE(form->Label2->autoFillBackground());
  EXPECT_EQ(form->Label2->palette().color(QPalette::Window), QColor(Qt::yellow));

  // Tab in the memo moves on instead of typing a tab.
  EXPECT_TRUE(form->edtMessage->tabChangesFocus());
}

TEST_F(Loaddemo, StartsEmpty) { EXPECT_EQ(State(), (WindowState{{}, -1, "", "", "", "", "", ""})); }

}  // namespace
