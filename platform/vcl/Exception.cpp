#include "Exception.h"

#include <QWidget>

#include "codepage.h"

AnsiString Exception::Message() const {
  std::u32string characters = QString::fromUtf8(what()).toStdU32String();
  for (;;) {
    try {
      return ToCodePage936(QString::fromStdU32String(characters).toStdU16String());
    } catch (const UnencodableCharacter &e) {
      characters[e.position()] = U'?';
    }
  }
}

namespace {
// "“使用昵称”（txtNickName）": the field as the user knows it, and its name.
QString FieldName(const QWidget &field) {
  const QString name = field.objectName();
  const QString label = field.accessibleName();
  return label.isEmpty() ? name : QString("“%1”（%2）").arg(label, name);
}
}  // namespace

EEncodingError::EEncodingError(const QWidget &field, char32_t character)
    : Exception(QString("%1中的字符 %2 不能用代码页 936 表示，请删除或替换它。")
                    .arg(FieldName(field), QString::fromStdString(CodePointName(character)))
                    .toStdString()) {}
