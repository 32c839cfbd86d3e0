#include "rorev_fixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QTest>
#include <filesystem>

#include "core_builders.h"
#include "rorev/open_concepts.h"
#include "window_test_support.h"

namespace rorev_test {

namespace {

// Form1's width at which the template is 530 pixels wide: 10600 / 530 = 20 picture units a pixel.
constexpr int kTestWidth = 881;
constexpr int kTemplatePixels = 530;

const std::string kShippedConcepts = core_builders::ShippedData("concptos.txt");

}  // namespace

void RorevWindowTest::SetUp() {
    std::filesystem::copy_file(kShippedConcepts, conceptFile);
    Open(conceptFile);
}

void RorevWindowTest::Open(const std::string& path) {
    orvanel::testing::TestApplication();
    form1.reset();
    form1 = std::make_unique<rorev::Form1>(rorev::OpenConcepts(path));
    form1->show();
    form1->resize(kTestWidth, form1->height());
    ASSERT_EQ(Picture1()->width(), kTemplatePixels);
}

void RorevWindowTest::TearDown() {
    form1.reset();
    EXPECT_EQ(ReadBytes(conceptFile), ReadBytes(kShippedConcepts)) << "the concept file was written";
    EXPECT_FALSE(dialogs.Failed());
}

void RorevWindowTest::Trigger(const char* name, QWidget* window) const {
    QWidget* in = window != nullptr ? window : form1.get();
    if (auto* action = in->findChild<QAction*>(name))
        real_input::ClickMenuItem(action);
    else
        real_input::Click(Find<QAbstractButton>(name, in));
}

void RorevWindowTest::ChooseConcept(const QString& name) const {
    real_input::ClickRow(List1(), static_cast<int>(Items(List1(), true).indexOf(name)));
}

std::string RorevWindowTest::Exported(QWidget* window) {
    const std::string path = folder / (window->objectName().toStdString() + ".svg");
    dialogs.PushText(QString::fromStdString(path));
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    real_input::PressKeys("Ctrl+S");
    return ReadBytes(path);
}

// The template's centre is the plane's origin, its y axis upward.
void RorevWindowTest::MouseAt(double x, double y, Qt::MouseButton button) const {
    real_input::MovePointer(Picture1(), {5300 + x, 5300 - y});
    if (button != Qt::NoButton) real_input::ClickPicture(Picture1(), {5300 + x, 5300 - y}, button);
}

}  // namespace rorev_test
