#include "TApplication.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QShortcut>
#include <cstdio>

#include "TForm.h"

TApplication *Application = nullptr;

TApplication::TApplication(int &argc, char **argv) : argc_(argc), argv_(argv) {
  Application = this;
}

TApplication::~TApplication() {
  forms_.clear();  // the windows go before the window system
  qt_.reset();
  Application = nullptr;
}

void TApplication::Initialize() {
  if (!qt_) qt_ = std::make_unique<QApplication>(argc_, argv_);
}

void TApplication::Adopt(std::unique_ptr<TForm> form) { forms_.push_back(std::move(form)); }

void TApplication::Run() {
  if (!qt_ || forms_.empty()) return;
  forms_.front()->show();
  qt_->exec();
}

void TApplication::ShowException(const Exception *E) {
  if (!qt_) {
    std::fprintf(stderr, "%s\n", E->what());
    return;
  }
  QMessageBox box(QMessageBox::Critical, QApplication::applicationName(),
                  QString::fromUtf8(E->what()), QMessageBox::Ok, QApplication::activeWindow());
  box.setTextInteractionFlags(Qt::TextSelectableByMouse);
  // Ctrl+C copies the whole message, as a Windows message box does.
  auto *copy = new QShortcut(QKeySequence::Copy, &box);
  QObject::connect(copy, &QShortcut::activated, &box,
                   [&box] { QGuiApplication::clipboard()->setText(box.text()); });
  box.exec();
}

void TApplication::HandleException(TObject *Sender) {
  const auto handle = [&](const Exception &e) {
    if (OnException)
      OnException(Sender, &e);
    else
      ShowException(&e);
  };
  try {
    throw;
  } catch (const Exception &e) {
    handle(e);
  } catch (const std::exception &e) {
    handle(Exception(e.what()));
  } catch (...) {
    handle(Exception("unknown error"));
  }
}
