#include "rorev_fixture.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

#include "real_input.h"
#include "rorev/open_concepts.h"
#include "surface/shared_access_keys.h"

namespace rorev_test {

namespace {

// Form1's width at which the template is 530 pixels wide: 10600 / 530 = 20 picture units a pixel.
constexpr int kTestWidth = 881;
constexpr int kTemplatePixels = 530;
constexpr double kUnitsPerPixel = 10600.0 / kTemplatePixels;

QApplication& Application() {
    static int argc = 1;
    static char name[] = "rorev_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        auto* a = new QApplication(argc, argv);
        QApplication::setQuitOnLastWindowClosed(false);
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        surface::ShareAccessKeysClassically();
        return a;
    }();
    return *app;
}

}  // namespace

std::string ShippedConceptsPath() {
    return std::string(ORVANEL_SOURCE_DIR) + "/data/concptos.txt";
}

cp::ConceptTable ShippedConcepts() {
    return rorev::OpenConcepts(ShippedConceptsPath());
}

void RorevWindowTest::SetUp() {
    Application();
    dialogs = std::make_unique<surface::ScriptedDialogs>();
    OpenWindow(ShippedConcepts());
}

void RorevWindowTest::OpenWindow(cp::ConceptTable concepts) {
    form1 = std::make_unique<rorev::Form1>(std::move(concepts));
    form1->show();
    form1->resize(kTestWidth, form1->height());
    ASSERT_EQ(Picture1()->width(), kTemplatePixels);
}

void RorevWindowTest::TearDown() {
    form1.reset();
    EXPECT_FALSE(dialogs->Failed());
    dialogs.reset();
}

QString RorevWindowTest::TextOf(const char* name) const {
    return Find<QLineEdit>(name)->text();
}

void RorevWindowTest::Trigger(const char* actionName) const {
    QAction* action = form1->findChild<QAction*>(actionName);
    ASSERT_NE(action, nullptr) << actionName;
    real_input::ClickMenuItem(action);
}

namespace {
QPoint PixelOf(double x, double y) {
    return QPoint(static_cast<int>((5300 + x) / kUnitsPerPixel),
                  static_cast<int>((5300 - y) / kUnitsPerPixel));
}
}  // namespace

// Qt drops a move to where the mouse already is, so it passes by a neighbouring pixel first.
void RorevWindowTest::MoveToPlane(double x, double y) const {
    QTest::mouseMove(Picture1(), PixelOf(x, y) + QPoint(1, 1));
    QTest::mouseMove(Picture1(), PixelOf(x, y));
}

void RorevWindowTest::ClickPlane(double x, double y, Qt::MouseButton button) const {
    MoveToPlane(x, y);
    QTest::mouseClick(Picture1(), button, {}, PixelOf(x, y));
}

bool RorevWindowTest::ChooseEntry(QListWidget* list, const QString& name) const {
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem* item = list->item(row);
        if (item->text().trimmed() != name) continue;
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
        return true;
    }
    return false;
}

}  // namespace rorev_test
