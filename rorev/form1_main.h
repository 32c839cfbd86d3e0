// rorev's main window "Selvane": the template, the zoom box with its four readouts, the zoom
// buttons, the mode label and the concept list; its menus start the vector modes and open the
// levels view, the structure view and the help windows. Handlers call the plane code and fill
// the controls.
#pragma once

#include <QMainWindow>
#include <memory>

#include "rorev/design_layout.h"
#include "rorev/viewer_state.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace surface {
class ChoiceList;
class PictureWidget;
}  // namespace surface

namespace rorev {

class Form2;
class Form3;
class Form4;
class Form5;
class Form6;

class Form1 : public QMainWindow {
    Q_OBJECT

  public:
    explicit Form1(cp::ConceptTable concepts);
    ~Form1() override;

    ViewerState& State() { return state_; }
    Form2& Levels() { return *form2_; }
    Form3& Details() { return *form3_; }
    Form4& Instructions() { return *form4_; }
    Form5& Description() { return *form5_; }
    Form6& Structure() { return *form6_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildControls();
    void BuildMenus();
    void Form_Load();
    void Form_Resize();

    void Picture1_MouseMove(int button, double x, double y);
    void Picture1_MouseDown(int button, double x, double y);
    void Command2_Click();
    void Command3_Click();
    void ChooseMode(cp::PlaneMode mode);
    void FillConceptList(bool descriptionsOn);
    void List1_Click(const QString& name);
    void ShowInPlaceOf(QWidget* view);
    void mnuSalir_Click();

    cp::PlaneTarget Target();
    void AddCurrentPoint();
    void DrawTemplate();
    void UpdateZoomTooltip();

    ViewerState state_;
    surface::PictureWidget* picture1_ = nullptr;
    surface::PictureWidget* picture2_ = nullptr;
    QPushButton* command2_ = nullptr;
    QPushButton* command3_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    surface::ChoiceList* list1_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QLineEdit* text3_ = nullptr;
    QLineEdit* text4_ = nullptr;
    DesignLayout layout_;
    std::unique_ptr<Form2> form2_;
    std::unique_ptr<Form3> form3_;
    std::unique_ptr<Form4> form4_;
    std::unique_ptr<Form5> form5_;
    std::unique_ptr<Form6> form6_;
};

}  // namespace rorev
