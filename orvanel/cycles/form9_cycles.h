// Form9, the cycles window: over 31 days around a central date, the angle between two chart points
// plotted day by day against subject 1's natal chart, and the report of the central date's angles
// that repeat natal ones.
#pragma once

#include <QStringList>
#include <cstdint>

#include "orvanel/cycles/cycle_items.h"
#include "orvanel/shell/working_window.h"

class QLabel;
class QMenu;
class QPlainTextEdit;

namespace surface {
class PictureWidget;
}

namespace orvanel {

class Form9Cycles : public WorkingWindow {
  public:
    explicit Form9Cycles(Windows& windows);

    // "Ciclos planetarios de  <title> ( <date> )" for subject 1.
    void SetSubjectTitle();
    // Label2 from EntryDate: "dd / mm / yyyy".
    void ShowCentralDate();

    // The plot of points a and b (1..13) in `mode` (1 both transiting, 2 a is the natal Ascendant)
    // around the central date. On a computing fault a message box tells it, the window stays as it
    // was and the answer is false.
    bool ciclo(std::int16_t a, std::int16_t b, std::int16_t mode);
    // Hides the report and draws the grid over whatever is drawn.
    void reticula();

    // Runs when the window is reached from another of the program's windows.
    void Form_Activate();
    void mnuHoy_Click();
    void mnuFecha_Click();
    void mnuCoincidencias_Click();
    void mnuVolver_Click();

  private:
    QMenu* AddMenu(const char* name, const char* caption);
    void AddCycleItems(QMenu* menu, const CycleItem* first, const CycleItem* last);
    void PlotItem(const CycleItem& item);
    void AppendReportLine(const QString& line);

    surface::PictureWidget* picture_;
    QLabel* label1_;
    QLabel* label2_;
    QPlainTextEdit* text1_;
    // What the plot on the picture is: its title and the central date it was drawn around, as the
    // labels said then (a later "Hoy" changes the date label but keeps the plot).
    QStringList plotNotes_;
};

}  // namespace orvanel
