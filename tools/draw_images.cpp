// Draws every bitmap in res/images from the tables below and writes them as
// PNG files into the directory given on the command line.
//
// Everything is set pixel by pixel, glyphs included, so the output is the same
// on every machine: no system fonts, no antialiasing, only pure colours.

#include <QDir>
#include <QImage>
#include <QList>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <numbers>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr QRgb Black = qRgb(0, 0, 0);
constexpr QRgb White = qRgb(255, 255, 255);
constexpr QRgb Grey = qRgb(170, 170, 170);
constexpr QRgb Yellow = qRgb(255, 255, 0);
constexpr QRgb Green = qRgb(0, 255, 0);
constexpr QRgb Cyan = qRgb(0, 255, 255);

using Rows = std::span<const std::string_view>;

// Maps one pattern character to a colour; characters without an ink are
// left as they are.
struct Ink {
    char ch;
    QRgb rgb;
};

void stamp(QImage &img, int x0, int y0, Rows rows, std::initializer_list<Ink> inks)
{
    for (int y = 0; y < int(rows.size()); ++y) {
        for (int x = 0; x < int(rows[y].size()); ++x) {
            for (const Ink &ink : inks) {
                if (rows[y][x] == ink.ch)
                    img.setPixel(x0 + x, y0 + y, ink.rgb);
            }
        }
    }
}

int width(Rows rows)
{
    int w = 0;
    for (std::string_view r : rows)
        w = std::max(w, int(r.size()));
    return w;
}

// ---------------------------------------------------------------- glyphs

// Large glyphs for the pin discs: 9 rows, two-pixel strokes so they stay
// legible on the coloured fill.
constexpr std::string_view DiscZero[] = {
    ".####.",
    "##..##",
    "##..##",
    "##..##",
    "##..##",
    "##..##",
    "##..##",
    "##..##",
    ".####.",
};
constexpr std::string_view DiscOne[] = {
    "..##..",
    ".###..",
    "####..",
    "..##..",
    "..##..",
    "..##..",
    "..##..",
    "..##..",
    "######",
};
constexpr std::string_view DiscG[] = {
    ".####.",
    "##..##",
    "##....",
    "##....",
    "##.###",
    "##..##",
    "##..##",
    "##..##",
    ".#####",
};

// Small 5 x 7 digits for the pin numbers on the connector.
constexpr std::string_view Digits[10][7] = {
    {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."},
    {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."},
    {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"},
    {"#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."},
    {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."},
    {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."},
    {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."},
    {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."},
    {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."},
    {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."},
};
constexpr int DigitWidth = 5;
constexpr int DigitHeight = 7;

// Width of a pin number drawn with one pixel between its digits.
int numberWidth(int n)
{
    return n >= 10 ? 2 * DigitWidth + 1 : DigitWidth;
}

void drawNumber(QImage &img, int x, int y, int n)
{
    if (n >= 10) {
        stamp(img, x, y, Digits[n / 10], {{'#', Black}});
        x += DigitWidth + 1;
    }
    stamp(img, x, y, Digits[n % 10], {{'#', Black}});
}

// ----------------------------------------------------------------- discs

// Top-left quarters of the pixel circles; the rest is mirrored. '#' is the
// rim, '.' the fill, ' ' lies outside. Tuned by eye so the rim has no flat
// spots or kinks, and each is symmetric about its diagonal.
constexpr std::string_view Circle16[] = {
    "     ###",
    "   ##...",
    "  #.....",
    " #......",
    " #......",
    "#.......",
    "#.......",
    "#.......",
};
constexpr std::string_view Circle10[] = {
    "   ##",
    " ##..",
    " #...",
    "#....",
    "#....",
};

std::vector<std::string> mirrorQuarter(Rows quarter)
{
    const int half = int(quarter.size());
    std::vector<std::string> full;
    for (int y = 0; y < 2 * half; ++y) {
        std::string row(quarter[y < half ? y : 2 * half - 1 - y]);
        full.push_back(row + std::string(row.rbegin(), row.rend()));
    }
    return full;
}

// Paints a black-rimmed disc with white outside corners.
void drawDisc(QImage &img, int x, int y, Rows quarter, QRgb fill)
{
    const std::vector<std::string> full = mirrorQuarter(quarter);
    const std::vector<std::string_view> rows(full.begin(), full.end());
    stamp(img, x, y, rows, {{'#', Black}, {'.', fill}, {' ', White}});
}

struct PinDisc {
    const char *file;
    QRgb fill;
    Rows glyph;
};

const PinDisc PinDiscs[] = {
    {"pin_ground.png", Grey, DiscG},
    {"status_low.png", Yellow, DiscZero},
    {"status_high.png", Yellow, DiscOne},
    {"data_low.png", Green, DiscZero},
    {"data_high.png", Green, DiscOne},
    {"control_low.png", Cyan, DiscZero},
    {"control_high.png", Cyan, DiscOne},
};

QImage pinDisc(const PinDisc &disc)
{
    constexpr int Size = 16;
    QImage img(Size, Size, QImage::Format_RGB32);
    img.fill(White);
    drawDisc(img, 0, 0, Circle16, disc.fill);
    // Nine rows in sixteen cannot be centred exactly; one row high reads
    // better than one row low.
    stamp(img, (Size - width(disc.glyph)) / 2, 3, disc.glyph, {{'#', Black}});
    return img;
}

// ------------------------------------------------------------- connector

struct Pt {
    double x, y;
};

// A corner of a convex outline, rounded with radii rx across and ry down;
// unequal radii give a quarter ellipse where two straight edges meet square.
struct Corner {
    Pt at;
    double rx, ry;
};

// Turns the corners (clockwise on screen) into a closely spaced polygon.
// Each fillet is worked out for a unit circle in a space squashed by the
// corner's radii, then stretched back.
std::vector<Pt> roundedOutline(std::span<const Corner> corners)
{
    constexpr int Steps = 32;
    const int n = int(corners.size());
    std::vector<Pt> outline;
    for (int i = 0; i < n; ++i) {
        const Corner &c = corners[i];
        const auto squash = [&](Pt p) { return Pt{p.x / c.rx, p.y / c.ry}; };
        const Pt v = squash(c.at);
        const auto unit = [&](Pt p) {
            const double len = std::hypot(p.x - v.x, p.y - v.y);
            return Pt{(p.x - v.x) / len, (p.y - v.y) / len};
        };
        const Pt u1 = unit(squash(corners[(i + n - 1) % n].at));
        const Pt u2 = unit(squash(corners[(i + 1) % n].at));
        const double half = std::acos(u1.x * u2.x + u1.y * u2.y) / 2;
        const double toCentre = 1 / std::sin(half);
        const Pt bisector = unit({v.x + u1.x + u2.x, v.y + u1.y + u2.y});
        const Pt centre{v.x + bisector.x * toCentre, v.y + bisector.y * toCentre};
        const double tangent = 1 / std::tan(half);
        const double a1 = std::atan2(v.y + u1.y * tangent - centre.y, v.x + u1.x * tangent - centre.x);
        double a2 = std::atan2(v.y + u2.y * tangent - centre.y, v.x + u2.x * tangent - centre.x);
        // Clockwise on screen means increasing angle, the short way round.
        while (a2 < a1)
            a2 += 2 * std::numbers::pi;
        for (int s = 0; s <= Steps; ++s) {
            const double a = a1 + (a2 - a1) * s / Steps;
            outline.push_back({(centre.x + std::cos(a)) * c.rx, (centre.y + std::sin(a)) * c.ry});
        }
    }
    return outline;
}

bool contains(const std::vector<Pt> &convex, Pt p)
{
    const int n = int(convex.size());
    for (int i = 0; i < n; ++i) {
        const Pt a = convex[i], b = convex[(i + 1) % n];
        if ((b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x) < 0)
            return false;
    }
    return true;
}

constexpr int ConnectorWidth = 374;
constexpr int ConnectorHeight = 79;

// Pin discs are laid over the picture by the program at these positions.
constexpr int DiscSize = 16;
int upperDiscX(int pin) { return 33 + 24 * (pin - 1); }
int lowerDiscX(int pin) { return 45 + 24 * (pin - 14); }
constexpr int UpperNumberY = 17; // just above the upper discs (y 25)
constexpr int LowerNumberY = 63; // just below the lower discs (last row 61)

QImage connector(bool numbered)
{
    QImage img(ConnectorWidth, ConnectorHeight, QImage::Format_RGB32);
    img.fill(White);

    // Outer edge of the shell, symmetric about the middle. The top corners round off into a short upright stretch of
    // side, which then slants in towards the narrow bottom edge.
    constexpr double Top = 13, Bottom = 72, Side = 2, Kink = 27.5, BottomX = 29;
    constexpr double W = ConnectorWidth;
    const Corner corners[] = {
        {{Side, Top}, 7.5, 12},
        {{W - Side, Top}, 7.5, 12},
        {{W - Side, Kink}, 6, 6},
        {{W - BottomX, Bottom}, 8, 8},
        {{BottomX, Bottom}, 8, 8},
        {{Side, Kink}, 6, 6},
    };
    const std::vector<Pt> shell = roundedOutline(corners);
    const auto inside = [&](int x, int y) { return contains(shell, {x + 0.5, y + 0.5}); };
    // The line is the outermost two pixels of the filled shape, counted
    // across or down, so it stays two pixels thick at any slope.
    constexpr int Stroke = 2;
    for (int y = 0; y < ConnectorHeight; ++y) {
        for (int x = 0; x < ConnectorWidth; ++x) {
            if (inside(x, y)
                && !(inside(x - Stroke, y) && inside(x + Stroke, y) && inside(x, y - Stroke)
                     && inside(x, y + Stroke)))
                img.setPixel(x, y, Black);
        }
    }

    if (numbered) {
        for (int pin = 1; pin <= 13; ++pin)
            drawNumber(img, upperDiscX(pin) + (DiscSize - numberWidth(pin)) / 2, UpperNumberY, pin);
        for (int pin = 14; pin <= 25; ++pin)
            drawNumber(img, lowerDiscX(pin) + (DiscSize - numberWidth(pin)) / 2, LowerNumberY, pin);
    }
    return img;
}

// ------------------------------------------------------------------ icon

// A white D-shell with five pins over four; rows 9 to 23 of a 32 x 32 icon.
constexpr std::string_view IconRows[] = {
    "   ##########################   ",
    "  #..........................#  ",
    " #............................# ",
    " #............................# ",
    " #.##....##....##....##....##.# ",
    " #.##....##....##....##....##.# ",
    "  #..........................#  ",
    "  #..........................#  ",
    "   #........................#   ",
    "   #..##....##....##....##..#   ",
    "    #.##....##....##....##.#    ",
    "    #......................#    ",
    "     #....................#     ",
    "      #..................#      ",
    "       ##################       ",
};

QImage icon()
{
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    stamp(img, 0, 9, IconRows, {{'#', Black}, {'.', White}});
    return img;
}

// ------------------------------------------------------------------ logo

// A dot-matrix "K" built from pin discs: a green stem, a yellow arm up and
// a cyan arm down.
struct LogoDisc {
    int column, row;
    QRgb fill;
};

const LogoDisc LogoDiscs[] = {
    {0, 0, Green}, {0, 1, Green}, {0, 2, Green}, {0, 3, Green}, {0, 4, Green},
    {1, 2, Green},
    {2, 1, Yellow}, {3, 0, Yellow},
    {2, 3, Cyan}, {3, 4, Cyan},
};

QImage logo()
{
    constexpr int Width = 48, Height = 70, Pitch = 12, Disc = 10;
    QImage img(Width, Height, QImage::Format_RGB32);
    img.fill(White);
    const int left = (Width - (3 * Pitch + Disc)) / 2;
    const int top = (Height - (4 * Pitch + Disc)) / 2;
    for (const LogoDisc &d : LogoDiscs)
        drawDisc(img, left + d.column * Pitch, top + d.row * Pitch, Circle10, d.fill);
    return img;
}

// An opaque drawing of at most 256 colours is kept as a palette PNG, with exactly its
// own colours: the same pixels, a third of the bytes to inflate at every start.
QImage WithPalette(const QImage &img)
{
    if (img.hasAlphaChannel())
        return img;
    QList<QRgb> colours;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QRgb pixel = img.pixel(x, y);
            if (!colours.contains(pixel)) {
                if (colours.size() == 256)
                    return img;
                colours.append(pixel);
            }
        }
    }
    std::sort(colours.begin(), colours.end());
    return img.convertToFormat(QImage::Format_Indexed8, colours, Qt::ThresholdDither | Qt::AvoidDither);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIRECTORY\n", argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    bool ok = true;
    const auto save = [&](const QImage &img, const char *name) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        if (!WithPalette(img).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ok = false;
        }
    };

    for (const PinDisc &disc : PinDiscs)
        save(pinDisc(disc), disc.file);
    save(connector(false), "connector.png");
    save(connector(true), "connector_numbered.png");
    save(icon(), "kelvaro_icon.png");
    save(logo(), "logo.png");
    return ok ? 0 : 1;
}
