// The runtime's controls where they add to Qt's: the list's selection by text, the
// multi-line box's CR LF text, the password character and the plain-text caption.
#include <gtest/gtest.h>

#include <QTest>

#include "vbforms/combo_box.h"
#include "vbforms/label.h"
#include "vbforms/multi_line_text_box.h"
#include "vbforms/text_box.h"

namespace {

TEST(ComboBox, SetTextSelectsTheFirstEntryOfExactlyThatText) {
  vbforms::ComboBox box;
  const struct {
    QStringList entries;
    QString text;
    int selected;
  } cases[] = {
      {{"GW01", "GW02", "GW02"}, "GW02", 1},
      {{"GW01"}, "gw01", -1},
      {{"GW01"}, "", -1},
      {{"", "GW01"}, "", 0},
      {{}, "", -1},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.entries.join("|").toStdString() + " / " + c.text.toStdString());
    box.Clear();
    for (const QString &e : c.entries) box.AddItem(e);
    box.setCurrentIndex(c.entries.size() - 1);
    box.SetText(c.text);
    EXPECT_EQ(box.currentIndex(), c.selected);
    EXPECT_EQ(box.Text(), c.selected < 0 ? QString() : c.entries[c.selected]);
  }
  EXPECT_EQ(box.List(5), "");
}

TEST(MultiLineTextBox, GivesItsLinesSeparatedByCrLfAndKeepsEveryCharacter) {
  vbforms::MultiLineTextBox box;
  box.show();
  QTest::keyClicks(&box, "a");
  QTest::keyClick(&box, Qt::Key_Return);
  QTest::keyClicks(&box, "b");
  QTest::keyClick(&box, Qt::Key_Return, Qt::ShiftModifier);
  QTest::keyClicks(&box, "c");
  EXPECT_EQ(box.Text(), "a\r\nb\r\nc");

  const struct {
    QString put, text;
  } cases[] = {
      {"a\r\nb", "a\r\nb"},  // pasted Windows lines do not double their CR
      {"a\nb\n", "a\r\nb\r\n"},
      {QString("a") + QChar::Nbsp + "b", QString("a") + QChar::Nbsp + "b"},
      {"", ""},
  };
  for (const auto &c : cases) {
    box.setPlainText(c.put);
    EXPECT_EQ(box.Text(), c.text) << c.put.toStdString();
  }
}

TEST(TextBox, PasswordCharIsShownForEveryCharacter) {
  vbforms::TextBox box;
  box.setText("abc");
  box.SetPasswordChar("*");
  EXPECT_EQ(box.echoMode(), QLineEdit::Password);
  EXPECT_EQ(box.displayText(), "***");
  EXPECT_EQ(box.Text(), "abc");
  box.SetPasswordChar("");
  EXPECT_EQ(box.displayText(), "abc");
}

TEST(Label, ShowsCaptionsAsTextAndSizesToThemWhenAsked) {
  vbforms::Label label;
  label.SetCaption("<b>bold?</b>");
  EXPECT_EQ(label.textFormat(), Qt::PlainText);
  label.resize(10, 10);
  label.SetAutoSize(true);
  label.SetCaption("一段更长的标题文字");
  EXPECT_EQ(label.size(), label.sizeHint());
  EXPECT_GT(label.width(), 10);
}

}  // namespace
