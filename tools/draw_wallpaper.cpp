// SPDX-License-Identifier: GPL-3.0-or-later
// The About box background: a pale circuit board that tiles without seams.

#include "picture.h"

#include <QPainter>
#include <QPainterPath>

#include <cstdint>
#include <vector>

namespace pictures {

namespace {

constexpr int Width = 336;
constexpr int Height = 234;
constexpr int Step = 6; // divides both sides, so the grid wraps onto itself
constexpr int Columns = Width / Step;
constexpr int Rows = Height / Step;

const QColor Ground(212, 212, 215);
const QColor Trace(226, 226, 229);
const QColor Copper(233, 233, 235);
const QColor Hole(200, 200, 204);

// A small generator of our own, so that the picture comes out the same with every library.
class Random {
public:
    explicit Random(std::uint32_t seed) : m_state(seed) {}
    int Below(int n) {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return int(m_state % std::uint32_t(n));
    }

private:
    std::uint32_t m_state;
};

struct Direction {
    int dx;
    int dy;
};
constexpr Direction Directions[8] = {{1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}, {0, -1}, {1, -1}};

int Wrap(int v, int n) {
    return ((v % n) + n) % n;
}

// Draws `draw` at the picture and at its eight neighbours, so that whatever crosses an edge comes
// back in at the opposite one.
template <typename Draw> void Tiled(QPainter& p, Draw draw) {
    for (int ox : {-Width, 0, Width}) {
        for (int oy : {-Height, 0, Height}) {
            p.save();
            p.translate(ox, oy);
            draw();
            p.restore();
        }
    }
}

class Board {
public:
    Board() : m_used(std::size_t(Columns * Rows), false) {}

    bool Used(int x, int y) const { return m_used[std::size_t(Wrap(y, Rows) * Columns + Wrap(x, Columns))]; }
    void Use(int x, int y) { m_used[std::size_t(Wrap(y, Rows) * Columns + Wrap(x, Columns))] = true; }
    void Block(int x0, int y0, int x1, int y1) {
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                Use(x, y);
            }
        }
    }

private:
    std::vector<bool> m_used;
};

QPointF At(int x, int y) {
    return {x * Step + Step / 2.0, y * Step + Step / 2.0};
}

void Pad(QPainter& p, QPointF centre, double radius) {
    Tiled(p, [&] {
        p.setPen(Qt::NoPen);
        p.setBrush(Copper);
        p.drawEllipse(centre, radius, radius);
        p.setBrush(Hole);
        p.drawEllipse(centre, radius * 0.4, radius * 0.4);
    });
}

void Chip(QPainter& p, Board& board, int x, int y, int w, int h) {
    board.Block(x - 1, y - 2, x + w + 1, y + h + 2);
    const QRectF body(At(x, y) - QPointF(Step / 2.0, 0), At(x + w, y + h) + QPointF(Step / 2.0, 0));
    Tiled(p, [&] {
        p.setPen(QPen(Trace, 1));
        p.setBrush(QColor(220, 220, 223));
        p.drawRoundedRect(body, 2, 2);
        p.setPen(Qt::NoPen);
        p.setBrush(Copper);
        for (int i = 0; i <= w; ++i) {
            p.drawRect(QRectF(At(x + i, y - 1) - QPointF(1.5, 2), QSizeF(3, 5)));
            p.drawRect(QRectF(At(x + i, y + h + 1) - QPointF(1.5, 3), QSizeF(3, 5)));
        }
    });
}

void Traces(QPainter& p, Board& board, Random& random) {
    QPen pen(Trace, 2);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    for (int attempt = 0; attempt < 900; ++attempt) {
        int x = random.Below(Columns);
        int y = random.Below(Rows);
        if (board.Used(x, y)) {
            continue;
        }
        int direction = random.Below(4) * 2; // start along an axis
        const int length = 4 + random.Below(16);
        QPolygonF path{At(x, y)};
        board.Use(x, y);
        for (int step = 0; step < length; ++step) {
            if (random.Below(6) == 0) {
                direction = (direction + (random.Below(2) == 0 ? 1 : 7)) % 8;
            }
            const Direction d = Directions[direction];
            if (board.Used(x + d.dx, y + d.dy) || board.Used(x + 2 * d.dx, y + 2 * d.dy)) {
                break;
            }
            x += d.dx;
            y += d.dy;
            board.Use(x, y);
            path << At(x, y);
        }
        if (path.size() < 4) {
            continue;
        }
        Tiled(p, [&] {
            p.setPen(pen);
            p.setBrush(Qt::NoBrush);
            p.drawPolyline(path);
        });
        Pad(p, path.front(), 3.2);
        Pad(p, path.back(), 3.2);
    }
}

} // namespace

Picture Wallpaper() {
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(Ground);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Random random(20240611u);
    Board board;
    Chip(p, board, 6, 6, 7, 4);
    Chip(p, board, 36, 22, 5, 3);
    Chip(p, board, 22, 30, 4, 2);
    Traces(p, board, random);
    p.end();
    return {"wallpaper", image, FileKind::Jpeg};
}

} // namespace pictures
