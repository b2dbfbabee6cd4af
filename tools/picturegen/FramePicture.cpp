#include "FramePicture.h"

#include <QVector3D>
#include <algorithm>
#include <cmath>
#include <numbers>

static constexpr int pictureWidth = 600;
static constexpr int pictureHeight = 502;
static constexpr double border = 40;
// Samples per pixel along each axis; smooths the mitred corners.
static constexpr int samples = 4;

struct Colour {
    double red;
    double green;
    double blue;
};

static constexpr Colour brownEdge{118, 56, 16};
static constexpr Colour orange{242, 138, 36};
static constexpr Colour deepOrange{206, 102, 24};
static constexpr Colour rabbet{112, 52, 14};

// One point across the moulding: how steeply it rises towards the inside, and its paint.
struct Section {
    double slope;
    Colour colour;
};

static double ramp(double t, double from, double to) {
    return (t - from) / (to - from);
}

// Outside in: a rounded brown edge, a rising face to a rounded crest, a hollow, a thin bead,
// and a bevel that falls to the page.
static Section sectionAt(double t) {
    using std::numbers::pi;
    if (t < 4)
        return {1.6 * std::cos(pi * t / 4), brownEdge};
    if (t < 9)
        return {0.9, orange};
    if (t < 21)
        return {0.9 - 1.8 * ramp(t, 9, 21), orange};
    if (t < 31)
        return {-0.6 * (1 - ramp(t, 21, 31)), orange};
    if (t < 35)
        return {1.2 * std::cos(pi * ramp(t, 31, 35)), orange};
    if (t < 39)
        return {-0.8, deepOrange};
    return {-0.8, rabbet};
}

static Colour shadeMoulding(double x, double y) {
    const double distances[] = {x, y, pictureWidth - x, pictureHeight - y};
    const QVector3D inwards[] = {{1, 0, 0}, {0, 1, 0}, {-1, 0, 0}, {0, -1, 0}};
    const auto side = std::min_element(std::begin(distances), std::end(distances)) - distances;
    const Section section = sectionAt(distances[side]);

    const QVector3D normal =
        (QVector3D(0, 0, 1) - static_cast<float>(section.slope) * inwards[side]).normalized();
    // Light from the upper left, as on every bevelled control of the screens.
    const QVector3D light = QVector3D(-1, -1.2f, 1.4f).normalized();
    const QVector3D halfway = (light + QVector3D(0, 0, 1)).normalized();
    const double diffuse = std::max(0.0f, QVector3D::dotProduct(normal, light));
    const double gloss = 70 * std::pow(std::max(0.0f, QVector3D::dotProduct(normal, halfway)), 40);
    const double shade = 0.42 + 0.68 * diffuse;
    return {section.colour.red * shade + gloss, section.colour.green * shade + gloss,
            section.colour.blue * shade + gloss};
}

static double smoothStep(double edge0, double edge1, double value) {
    const double t = std::clamp(ramp(value, edge0, edge1), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// The page sits a little below the frame, so the frame's right and bottom sides throw a soft
// shadow onto it that fades in from the far ends.
static Colour shadePage(double x, double y) {
    constexpr double depth = 0.38;
    constexpr double reach = 6;
    const double right = pictureWidth - border - x;
    const double bottom = pictureHeight - border - y;
    const double fromRight =
        depth * (1 - smoothStep(0, reach, right)) * smoothStep(border, border + 14, y);
    const double fromBottom =
        depth * (1 - smoothStep(0, reach, bottom)) * smoothStep(border, border + 14, x);
    const double light = 255 * (1 - fromRight) * (1 - fromBottom);
    return {light, light, light};
}

static Colour sampleAt(double x, double y) {
    const bool onPage =
        x >= border && y >= border && x < pictureWidth - border && y < pictureHeight - border;
    return onPage ? shadePage(x, y) : shadeMoulding(x, y);
}

static int channel(double sum) {
    return std::clamp(static_cast<int>(std::lround(sum / (samples * samples))), 0, 255);
}

QImage drawFrame() {
    QImage image(pictureWidth, pictureHeight, QImage::Format_RGB32);
    for (int y = 0; y < pictureHeight; ++y) {
        for (int x = 0; x < pictureWidth; ++x) {
            Colour sum{0, 0, 0};
            for (int row = 0; row < samples; ++row) {
                for (int column = 0; column < samples; ++column) {
                    const Colour sample =
                        sampleAt(x + (column + 0.5) / samples, y + (row + 0.5) / samples);
                    sum = {sum.red + sample.red, sum.green + sample.green, sum.blue + sample.blue};
                }
            }
            image.setPixel(x, y, qRgb(channel(sum.red), channel(sum.green), channel(sum.blue)));
        }
    }
    return image;
}
