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
#include <map>

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
        static const bool installed = (surface::ShareAccessKeysClassically(), true);
        (void)installed;
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

// Keys: "^c" is Alt+C, "g" is G alone, "\n" Enter, " " Space, "\x1b" Escape.
TEST(SharedAccessKeys, APressHighlightsAndEnterOrSpaceRuns) {
    const struct {
        const char* why;
        const char* keys;
        QString highlighted;  // afterwards
        QStringList run;
        bool fieldFocused;  // the text field has the focus afterwards
    } cases[] = {
        {"a shared key highlights the first item and runs nothing", "^c", "Aspectos &cruzados", {}, false},
        {"pressed again it moves to the next item", "^c^c", "&Carta Astral", {}, false},
        {"and from the last back to the first", "^c^c^c", "Aspectos &cruzados", {}, false},
        {"Enter runs the highlighted item and gives the focus back",
         "^c\n",
         "",
         {"Aspectos &cruzados"},
         true},
        {"Space runs it too", "^c^c ", "", {"&Carta Astral"}, true},
        {"Escape runs nothing and gives the focus back", "^c\x1b", "", {}, true},
        {"the highlight moves on to the second row of items", "^r^r\n", "", {"Conceptos en la &recta"}, true},
        // (Qt's bar shows the item highlighted for a moment after running it.)
        {"a key of one item alone runs it at once", "^v", "&Vectores", {"&Vectores"}, true},
        {"even while another item is highlighted", "^c^v", "&Vectores", {"&Vectores"}, true},
        {"a menu sharing the key opens when the highlight comes to it",
         "^a^a\n",
         "",
         {"&Instrucciones"},
         true},
        {"inside a menu Qt already moves to the next item sharing a key, and Enter runs",
         "^xg\n",
         "",
         {"&Grabar"},
         true},
    };
    const std::map<char, Qt::Key> special = {
        {'\n', Qt::Key_Return}, {' ', Qt::Key_Space}, {'\x1b', Qt::Key_Escape}};
    for (const auto& c : cases) {
        MenuWindow w;
        for (const char* k = c.keys; *k != '\0'; ++k) {
            const bool alt = *k == '^';
            if (alt) ++k;
            const Qt::Key key =
                special.count(*k) ? special.at(*k) : static_cast<Qt::Key>(Qt::Key_A + (*k - 'a'));
            QWidget* target = QApplication::activePopupWidget();
            QTest::keyClick(target ? target : QApplication::focusWidget(), key,
                            alt ? Qt::AltModifier : Qt::NoModifier);
        }
        EXPECT_EQ(w.Highlighted(), c.highlighted) << c.why;
        EXPECT_EQ(w.run, c.run) << c.why;
        EXPECT_EQ(QApplication::focusWidget() == w.field, c.fieldFocused) << c.why;
    }
}
