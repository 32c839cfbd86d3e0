// An access key that several menu-bar items share only moves the highlight between them; Enter or
// Space runs the highlighted item, Escape gives the focus back. A key of one item alone runs it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QVBoxLayout>

#include "real_input.h"
#include "surface/shared_access_keys.h"

namespace {

// A window as the working windows are: items on two rows of menu bars, a menu, a text field with
// the focus. Every run item is recorded by its caption.
struct MenuWindow {
    QMainWindow window;
    QMenuBar* second = new QMenuBar;
    QLineEdit* field = new QLineEdit;
    QStringList run;

    MenuWindow() {
        auto* central = new QWidget;
        auto* rows = new QVBoxLayout(central);
        rows->addWidget(second);
        rows->addWidget(field);
        window.setCentralWidget(central);
        for (const char* caption :
             {"Aspectos &cruzados", "&Vectores", "&Carta Astral", "Vector &Restante", "&Abrir"})
            Add(window.menuBar(), caption);
        Add(second, "Conceptos en la &recta");
        QMenu* menu = window.menuBar()->addMenu("E&xportar");
        for (const char* caption : {"&Guardar imagen", "&Grabar", "&Imprimir"})
            Add(menu, caption);
        Add(window.menuBar()->addMenu("&Ayuda"), "&Instrucciones");
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        field->setFocus();
    }
    void Add(QWidget* owner, const char* caption) {
        auto* action = new QAction(QString::fromUtf8(caption), owner);
        QObject::connect(action, &QAction::triggered, [this, action] { run << action->text(); });
        owner->addAction(action);
    }
    // The highlighted item of either bar, "" for none.
    QString Highlighted() const {
        for (const QMenuBar* bar : {window.menuBar(), second})
            if (bar->activeAction() != nullptr) return bar->activeAction()->text();
        return QString();
    }
};

}  // namespace

TEST(SharedAccessKeys, APressHighlightsAndEnterOrSpaceRuns) {
    const struct {
        const char* why;
        const char* keys;
        QString highlighted;  // afterwards
        QStringList run;
        bool fieldFocused;  // the text field has the focus afterwards
    } cases[] = {
        {"a shared key highlights the first item, runs nothing", "Alt+C", "Aspectos &cruzados", {}, false},
        {"pressed again it moves to the next item", "Alt+C Alt+C", "&Carta Astral", {}, false},
        {"and from the last back to the first", "Alt+C Alt+C Alt+C", "Aspectos &cruzados", {}, false},
        {"Enter runs the highlighted item, focus back", "Alt+C Return", "", {"Aspectos &cruzados"}, true},
        {"Space runs it too", "Alt+C Alt+C Space", "", {"&Carta Astral"}, true},
        {"Escape runs nothing and gives the focus back", "Alt+C Esc", "", {}, true},
        {"on to the second row of items", "Alt+R Alt+R Return", "", {"Conceptos en la &recta"}, true},
        // (Qt's bar shows the item highlighted for a moment after running it.)
        {"a key of one item alone runs it at once", "Alt+V", "&Vectores", {"&Vectores"}, true},
        {"even while another item is highlighted", "Alt+C Alt+V", "&Vectores", {"&Vectores"}, true},
        {"a menu sharing the key opens when highlighted", "Alt+A Alt+A Return", "", {"&Instrucciones"}, true},
        {"inside a menu Qt moves to the next item sharing a key", "Alt+X G Return", "", {"&Grabar"}, true},
    };
    for (const auto& c : cases) {
        MenuWindow w;
        real_input::PressKeys(c.keys);
        EXPECT_EQ(w.Highlighted(), c.highlighted) << c.why;
        EXPECT_EQ(w.run, c.run) << c.why;
        EXPECT_EQ(QApplication::focusWidget() == w.field, c.fieldFocused) << c.why;
    }
}
