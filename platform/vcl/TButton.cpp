#include "TButton.h"

#include <QMetaMethod>

#include "Exception.h"
#include "TApplication.h"
#include "TObject.h"

TButton::TButton(QWidget *parent) : QPushButton(parent) {
  connect(this, &QPushButton::clicked, this, [this] {
    try {
      Click();
    } catch (...) {
      Application->HandleException(this);
    }
  });
}

// Runs the form's method "<OnClick>(TObject *Sender)" with this button as the sender.
void TButton::Click() {
  if (onClick_.isEmpty()) return;
  QWidget *form = window();
  const QMetaObject *meta = form->metaObject();
  const QByteArray signature = onClick_.toLatin1() + "(TObject*)";
  const int index = meta->indexOfMethod(signature);
  if (index < 0)
    throw Exception(QString("%1 has no click handler %2 for %3")
                        .arg(meta->className(), QString::fromLatin1(signature), objectName())
                        .toStdString());
  if (!meta->method(index).invoke(form, Qt::DirectConnection, Q_ARG(TObject *, this)))
    throw Exception("cannot call " + QString::fromLatin1(signature).toStdString());
}
