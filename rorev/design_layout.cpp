#include "rorev/design_layout.h"

#include <QMainWindow>
#include <QMenuBar>
#include <cmath>

#include "surface/picture_widget.h"
#include "surface/twips.h"

namespace rorev {

namespace {
int Scaled(int twips, double ratio) {
    return static_cast<int>(std::lround(twips * ratio));
}
}  // namespace

void DesignLayout::Add(QWidget* control, TwipsRect design, double userWidth, double userHeight) {
    entries_.push_back(Entry{control, design, userWidth, userHeight});
}

void DesignLayout::Apply(double ratio) const {
    for (const Entry& e : entries_) {
        const int left = Scaled(e.design.left, ratio), top = Scaled(e.design.top, ratio);
        const int width = Scaled(e.design.width, ratio), height = Scaled(e.design.height, ratio);
        auto* picture = qobject_cast<surface::PictureWidget*>(e.control);
        if (picture == nullptr) {
            surface::PlaceTwips(e.control, left, top, width, height);
            continue;
        }
        // Recording the placed size as the design size keeps printed texts at their point size,
        // as a resized picture box does.
        picture->SetDesignGeometry(left, top, width, height);
        if (e.userWidth > 0) picture->Surface().SetScale(0, 0, e.userWidth, e.userHeight);
    }
}

void SizeClientTwips(QWidget* window, int widthTwips, int heightTwips, double ratio) {
    int menuHeight = 0;
    if (auto* main = qobject_cast<QMainWindow*>(window); main != nullptr && main->menuWidget() != nullptr)
        menuHeight = main->menuWidget()->sizeHint().height();
    window->resize(surface::TwipsToPixels(Scaled(widthTwips, ratio), window),
                   surface::TwipsToPixels(Scaled(heightTwips, ratio), window) + menuHeight);
}

int ClientWidthPixels(const QWidget* window, int widthTwips) {
    return surface::TwipsToPixels(widthTwips, window);
}

}  // namespace rorev
