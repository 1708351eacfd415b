// The application object: starts the window system, owns the forms and runs the event
// loop. Its one instance is the global Application, made by the layer's main() before
// the program's WinMain() runs.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "Exception.h"
#include "TObject.h"

class QApplication;
class TForm;

class TApplication {
 public:
  TApplication(int &argc, char **argv);
  ~TApplication();
  TApplication(const TApplication &) = delete;
  TApplication &operator=(const TApplication &) = delete;

  // Starts the window system.
  void Initialize();
  // Creates a form, owned by the application, and stores it in form. The first form
  // created is the main form.
  template <class T>
  void CreateForm(T *&form) {
    auto created = std::make_unique<T>();
    form = created.get();
    Adopt(std::move(created));
  }
  // Shows the main form and runs the event loop until it is closed.
  void Run();
  // Shows the exception's message in a message box.
  void ShowException(const Exception *E);
  // What happens to an exception that escaped an event handler; call it from a catch
  // block. Hands it to OnException when set, otherwise to ShowException.
  void HandleException(TObject *Sender);

  // Takes the place of the message box for exceptions that escape event handlers.
  std::function<void(TObject *Sender, const Exception *E)> OnException;

 private:
  void Adopt(std::unique_ptr<TForm> form);

  int &argc_;
  char **argv_;
  std::unique_ptr<QApplication> qt_;
  std::vector<std::unique_ptr<TForm>> forms_;
};

extern TApplication *Application;
