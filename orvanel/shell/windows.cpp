#include "orvanel/shell/windows.h"

#include <QCoreApplication>
#include <stdexcept>

#include "orvanel/display/chart_wheel.h"
#include "orvanel/display/form3_chart.h"
#include "orvanel/display/form4_synastry.h"
#include "orvanel/shell/form1_splash.h"
#include "orvanel/shell/form2_main_menu.h"
#include "orvanel/shell/form_controls.h"

namespace orvanel {

namespace {
template <class Form>
Windows::Factory Make() {
    return [](Windows& windows) { return std::make_unique<Form>(windows); };
}
}  // namespace

Windows::Windows(Session& session) : session_(session), end_([] { QCoreApplication::exit(0); }) {
    Register(WindowId::Splash, Make<Form1Splash>());
    Register(WindowId::MainMenu, Make<Form2MainMenu>());
    Register(WindowId::Chart, Make<Form3Chart>());
    Register(WindowId::Synastry, Make<Form4Synastry>());
    InstallLaterWindows(*this);
    // The wheel names the chart window in its title, whichever picture it is drawn on.
    SetChartTitleSink([this](const cp::Text& title) { Chart().setWindowTitle(ToQt(title)); });
}

Windows::~Windows() {
    SetChartTitleSink({});
}

void Windows::Register(WindowId id, Factory factory) {
    factories_[id] = std::move(factory);
}

QWidget& Windows::Window(WindowId id) {
    if (auto found = windows_.find(id); found != windows_.end()) return *found->second;
    const auto factory = factories_.find(id);
    if (factory == factories_.end()) throw std::logic_error("window not registered");
    return *windows_.emplace(id, factory->second(*this)).first->second;
}

Form1Splash& Windows::Splash() {
    return Get<Form1Splash>(WindowId::Splash);
}
Form2MainMenu& Windows::MainMenu() {
    return Get<Form2MainMenu>(WindowId::MainMenu);
}
Form3Chart& Windows::Chart() {
    return Get<Form3Chart>(WindowId::Chart);
}
Form4Synastry& Windows::Synastry() {
    return Get<Form4Synastry>(WindowId::Synastry);
}

void Windows::Move(WindowId from, WindowId to) {
    QWidget& target = Window(to);
    target.show();
    target.raise();
    target.activateWindow();
    if (from != to && Exists(from)) Window(from).hide();
}

void Windows::ShowChartWindow() {
    Chart().ShowChartWindow();
}

void Windows::OpenChart(WindowId from) {
    Chart().OpenUnchecked(from);
}

bool Windows::StartSynastry(WindowId caller) {
    return Synastry().StartSynastry(caller);
}

void Windows::ShowSynastry(WindowId from) {
    Move(from, WindowId::Synastry);
    Synastry().DrawSynastry();
}

void Windows::SetOpener(WindowId id, Opener opener) {
    openers_[id] = std::move(opener);
}

void Windows::Open(WindowId id, WindowId from) {
    if (auto found = openers_.find(id); found != openers_.end()) found->second(*this, from);
}

void Windows::EndProgram() {
    for (auto& [id, window] : windows_)
        window->hide();
    end_();
}

}  // namespace orvanel
