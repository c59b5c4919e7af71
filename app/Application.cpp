#include "app/Application.h"

#include "app/WindowSetUp.h"

Application::Application(const AnsiText& runDirectory)
    : runDirectory_(runDirectory),
      nameListFile_(profileReader_, runDirectory_),
      random_(ticks_),
      composer_(nameListFile_, random_),
      keystrokes_(systemFunctions()),
      history_(window_.historyBox()),
      actions_({composer_, window_.nameBox(), keystrokes_, history_, reporter_, nameListFile_.path()}),
      export_(window_.historyBox(), fileWriter_, reporter_, runDirectory_) {}

bool Application::createMainWindow() {
    MainWindow::Events events = {this, onCreated, onHotkeyFeedback, onSaveClick};
    return window_.create(events);
}

void Application::onCreated(void* self) {
    Application* app = static_cast<Application*>(self);
    app->reporter_.setOwner(app->window_.hwnd());
    setUpWindow(app->window_, systemFunctions(), app->history_, app->actions_);
}

void Application::onHotkeyFeedback(void* self, int param1, int param2) {
    static_cast<Application*>(self)->actions_.onHotkey(param1, param2);
}

void Application::onSaveClick(void* self) { static_cast<Application*>(self)->export_.exportHistory(); }
