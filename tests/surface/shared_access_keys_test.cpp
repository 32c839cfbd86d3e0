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
        for (const char* caption : {"Aspectos &cruzados", "&Vectores", "&Carta Astral", "Vector &Restante"})
            Add(window.menuBar(), caption);
        Add(second, "Conceptos en la &recta");
        QMenu* menu = window.menuBar()->addMenu("E&xportar");
        for (const char* caption : {"&Guardar imagen", "&Grabar", "&Imprimir"})
            Add(menu, caption);
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

struct Step {
    int key;
    Qt::KeyboardModifiers modifiers;
};
constexpr Qt::KeyboardModifiers kAlt = Qt::AltModifier, kNone = Qt::NoModifier;

struct Case {
    const char* why;
    std::vector<Step> keys;
    QString highlighted;  // afterwards
    QStringList run;
    bool fieldFocused;  // the text field has the focus afterwards
};

}  // namespace

TEST(SharedAccessKeys, APressHighlightsAndEnterOrSpaceRuns) {
    const Case cases[] = {
        {"a shared key highlights the first item and runs nothing",
         {{Qt::Key_C, kAlt}},
         "Aspectos &cruzados",
         {},
         false},
        {"pressed again it moves to the next item",
         {{Qt::Key_C, kAlt}, {Qt::Key_C, kAlt}},
         "&Carta Astral",
         {},
         false},
        {"and from the last back to the first",
         {{Qt::Key_C, kAlt}, {Qt::Key_C, kAlt}, {Qt::Key_C, kAlt}},
         "Aspectos &cruzados",
         {},
         false},
        {"Enter runs the highlighted item and gives the focus back",
         {{Qt::Key_C, kAlt}, {Qt::Key_Return, kNone}},
         "",
         {"Aspectos &cruzados"},
         true},
        {"Space runs it too",
         {{Qt::Key_C, kAlt}, {Qt::Key_C, kAlt}, {Qt::Key_Space, kNone}},
         "",
         {"&Carta Astral"},
         true},
        {"Escape runs nothing and gives the focus back",
         {{Qt::Key_C, kAlt}, {Qt::Key_Escape, kNone}},
         "",
         {},
         true},
        {"the highlight moves on to the second row of items",
         {{Qt::Key_R, kAlt}, {Qt::Key_R, kAlt}, {Qt::Key_Return, kNone}},
         "",
         {"Conceptos en la &recta"},
         true},
        // (Qt's bar shows the item highlighted for a moment after running it.)
        {"a key of one item alone runs it at once", {{Qt::Key_V, kAlt}}, "&Vectores", {"&Vectores"}, true},
        {"inside a menu Qt already moves between items sharing a key (from the first, highlighted on "
         "opening), and Enter runs",
         {{Qt::Key_X, kAlt}, {Qt::Key_G, kNone}, {Qt::Key_Return, kNone}},
         "",
         {"&Grabar"},
         true},
    };
    for (const Case& c : cases) {
        MenuWindow w;
        for (const Step& step : c.keys) {
            QWidget* target = QApplication::activePopupWidget();
            if (target == nullptr) target = QApplication::focusWidget();
            QTest::keyClick(target, static_cast<Qt::Key>(step.key), step.modifiers);
        }
        EXPECT_EQ(w.Highlighted(), c.highlighted) << c.why;
        EXPECT_EQ(w.run, c.run) << c.why;
        EXPECT_EQ(QApplication::focusWidget() == w.field, c.fieldFocused) << c.why;
    }
}
