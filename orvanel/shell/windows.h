// The windows of Orvanel and the moves between them. Every window is a single instance created on
// first use and afterwards only shown and hidden, keeping its contents; moving to another window
// shows the target and hides the source. The splash, main menu, chart and synastry windows are built
// in; the vectors and cycles windows plug in through Register and SetOpener from their own installers.
#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <memory>

namespace orvanel {

struct Session;
class Form1Splash;
class Form2MainMenu;
class Form3Chart;
class Form4Synastry;

// The window numbers of the designs, which ReturnWindow also uses (2, 3, 4); the register's window,
// which no design has, takes the next free number.
enum class WindowId {
    Splash = 1,
    MainMenu = 2,
    Chart = 3,
    Synastry = 4,
    Vectors = 7,
    VectorsTwo = 8,
    Cycles = 9,
    Subjects = 10
};

class Windows {
  public:
    using Factory = std::function<std::unique_ptr<QWidget>(Windows&)>;
    // Opens a window that a later part adds, coming from the window `from` (which it hides).
    using Opener = std::function<void(Windows&, WindowId from)>;

    // Knows the four built-in windows and runs the installers of the later ones; creates nothing yet.
    explicit Windows(Session& session);
    ~Windows();
    Windows(const Windows&) = delete;
    Windows& operator=(const Windows&) = delete;

    // The program state and data that every window works on.
    Session& State() { return session_; }

    void Register(WindowId id, Factory factory);
    // The window, created on first use; a window nobody registered is a programming error.
    QWidget& Window(WindowId id);
    bool Exists(WindowId id) const { return windows_.count(id) != 0; }
    template <class T>
    T& Get(WindowId id) {
        return static_cast<T&>(Window(id));
    }
    Form1Splash& Splash();
    Form2MainMenu& MainMenu();
    Form3Chart& Chart();
    Form4Synastry& Synastry();

    // Shows `to` (creating it if needed), then hides `from` when it is another, existing window.
    void Move(WindowId from, WindowId to);

    // The operations that several windows call on each other.
    void ShowMainMenu(WindowId from) { Move(from, WindowId::MainMenu); }
    // The chart of CurrentSubject, with the check for a missing subject.
    void ShowChartWindow();
    // The chart of CurrentSubject without the check (the vectors windows' chart entries).
    void OpenChart(WindowId from);
    // Checks both subjects; on success shows the synastry window, hides `caller` and draws.
    bool StartSynastry(WindowId caller);
    // Shows the synastry window, hides `from`, draws (no subject check).
    void ShowSynastry(WindowId from);

    // The entries of windows that later parts add (Vectors: the chart window's mnuVectores;
    // VectorsTwo: the synastry window's mnuVectoresdos; Cycles: the main menu and synastry entries;
    // Subjects: the main menu's "Sujetos guardados").
    // Until an opener is set for a window, its entries do nothing.
    void SetOpener(WindowId id, Opener opener);
    bool HasOpener(WindowId id) const { return openers_.count(id) != 0; }
    void Open(WindowId id, WindowId from);

    // Ends the program at once: every window closes, nothing is saved or asked.
    void EndProgram();
    // Tests replace the ending of the process.
    void SetProgramEnd(std::function<void()> end) { end_ = std::move(end); }

  private:
    Session& session_;
    std::map<WindowId, Factory> factories_;
    std::map<WindowId, std::unique_ptr<QWidget>> windows_;
    std::map<WindowId, Opener> openers_;
    std::function<void()> end_;
};

// Runs the installer of every window set that a ui.cmake lists in ORVANEL_WINDOW_INSTALLERS; each is
// a function `void Name(orvanel::Windows&)` that registers its windows and openers. Generated.
void InstallLaterWindows(Windows& windows);

}  // namespace orvanel
