// Places a window's controls from their design geometry in twips, all scaled by one width ratio.
// Every placement starts again from the design numbers, so repeated resizes never drift.
#pragma once

#include <QSize>
#include <vector>

class QWidget;

namespace rorev {

struct TwipsRect {
    int left = 0, top = 0, width = 0, height = 0;
};

class DesignLayout {
  public:
    // A control at its design geometry. For a picture, userWidth and userHeight are the user scale
    // set again after every placement (0: keep the scale it has).
    void Add(QWidget* control, TwipsRect design, double userWidth = 0, double userHeight = 0);
    // Every control at design × ratio.
    void Apply(double ratio) const;

  private:
    struct Entry {
        QWidget* control = nullptr;
        TwipsRect design;
        double userWidth = 0, userHeight = 0;
    };
    std::vector<Entry> entries_;
};

// Resizes a top-level window so that its client area (below any menu bar) is design × ratio.
void SizeClientTwips(QWidget* window, int widthTwips, int heightTwips, double ratio);
// The client width of a design, in pixels on the window's screen.
int ClientWidthPixels(const QWidget* window, int widthTwips);

}  // namespace rorev
