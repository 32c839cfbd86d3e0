// Keeps orvanel_core non-empty until the computations land.
namespace orvanel {
int PlaceholderAstro() {
    return 0;
}
}  // namespace orvanel
