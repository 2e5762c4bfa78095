// SPDX-License-Identifier: GPL-3.0-or-later
#include "palette.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <map>
#include <set>
#include <vector>

namespace pictures {

namespace {

using Sample = std::array<double, 4>; // alpha, then red, green, blue weighted by alpha

Sample ToSample(QRgb c) {
    const double a = qAlpha(c) / 255.0;
    return {double(qAlpha(c)), qRed(c) * a, qGreen(c) * a, qBlue(c) * a};
}

double Distance(const Sample& x, const Sample& y) {
    double d = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        d += (x[i] - y[i]) * (x[i] - y[i]);
    }
    return d;
}

QRgb FromSample(const Sample& s) {
    const int a = std::clamp(int(s[0] + 0.5), 0, 255);
    if (a == 0) {
        return Transparent;
    }
    const double f = 255.0 / a;
    auto channel = [&](double v) { return std::clamp(int(v * f + 0.5), 0, 255); };
    return qRgba(channel(s[1]), channel(s[2]), channel(s[3]), a);
}

int Nearest(const Sample& s, const std::vector<Sample>& centres) {
    int best = 0;
    double bestDistance = std::numeric_limits<double>::max();
    for (std::size_t i = 0; i < centres.size(); ++i) {
        const double d = Distance(s, centres[i]);
        if (d < bestDistance) {
            bestDistance = d;
            best = int(i);
        }
    }
    return best;
}

QRgb Normalised(QRgb c) {
    return qAlpha(c) < 8 ? Transparent : c;
}

QImage Indexed(const QImage& argb, const QList<QRgb>& table, const std::map<QRgb, int>& indexOf) {
    QImage out(argb.size(), QImage::Format_Indexed8);
    out.setColorTable(table);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        uchar* line = out.scanLine(y);
        for (int x = 0; x < argb.width(); ++x) {
            line[x] = uchar(indexOf.at(Normalised(in[x])));
        }
    }
    return out;
}

struct Box {
    std::vector<std::pair<Sample, double>> members; // colour and pixel count
};

// Splits the colours into at most `count` boxes by the median of the widest channel.
std::vector<Sample> MedianCut(const std::vector<std::pair<Sample, double>>& colours, int count) {
    std::vector<Box> boxes{Box{colours}};
    while (int(boxes.size()) < count) {
        int widest = -1;
        int channel = 0;
        double widestRange = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].members.size() < 2) {
                continue;
            }
            for (int c = 0; c < 4; ++c) {
                double lo = std::numeric_limits<double>::max();
                double hi = std::numeric_limits<double>::lowest();
                for (const auto& m : boxes[i].members) {
                    lo = std::min(lo, m.first[c]);
                    hi = std::max(hi, m.first[c]);
                }
                if (hi - lo > widestRange) {
                    widestRange = hi - lo;
                    widest = int(i);
                    channel = c;
                }
            }
        }
        if (widest < 0) {
            break;
        }
        auto members = std::move(boxes[widest].members);
        std::sort(members.begin(), members.end(),
                  [&](const auto& x, const auto& y) { return x.first[channel] < y.first[channel]; });
        double total = 0;
        for (const auto& m : members) {
            total += m.second;
        }
        double running = 0;
        std::size_t cut = 1;
        for (std::size_t i = 0; i + 1 < members.size(); ++i) {
            running += members[i].second;
            cut = i + 1;
            if (running >= total / 2) {
                break;
            }
        }
        boxes[widest].members.assign(members.begin(), members.begin() + long(cut));
        boxes.push_back(Box{{members.begin() + long(cut), members.end()}});
    }
    std::vector<Sample> centres;
    for (const auto& box : boxes) {
        Sample sum{};
        double weight = 0;
        for (const auto& m : box.members) {
            for (int c = 0; c < 4; ++c) {
                sum[std::size_t(c)] += m.first[std::size_t(c)] * m.second;
            }
            weight += m.second;
        }
        for (auto& v : sum) {
            v /= weight;
        }
        centres.push_back(sum);
    }
    return centres;
}

} // namespace

QImage ToIndexed(const QImage& image, const QList<QRgb>& palette) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    std::vector<Sample> centres;
    for (QRgb c : palette) {
        centres.push_back(ToSample(c));
    }
    QImage out(argb.size(), QImage::Format_Indexed8);
    out.setColorTable(palette);
    std::map<QRgb, int> cache;
    for (int y = 0; y < argb.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        uchar* line = out.scanLine(y);
        for (int x = 0; x < argb.width(); ++x) {
            QRgb c = in[x];
            if (qAlpha(c) < 128) {
                c = Transparent;
            } else {
                c = qRgb(qRed(c), qGreen(c), qBlue(c));
            }
            auto found = cache.find(c);
            if (found == cache.end()) {
                found = cache.emplace(c, Nearest(ToSample(c), centres)).first;
            }
            line[x] = uchar(found->second);
        }
    }
    return out;
}

QImage Quantize(const QImage& image, int colours) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    std::map<QRgb, double> histogram;
    for (int y = 0; y < argb.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            histogram[Normalised(in[x])] += 1;
        }
    }
    std::map<QRgb, int> indexOf;
    QList<QRgb> table;
    if (int(histogram.size()) <= colours) {
        for (const auto& entry : histogram) {
            indexOf[entry.first] = int(table.size());
            table.push_back(entry.first);
        }
        return Indexed(argb, table, indexOf);
    }

    const bool hasTransparent = histogram.count(Transparent) > 0;
    std::vector<std::pair<Sample, double>> opaque;
    for (const auto& entry : histogram) {
        if (entry.first != Transparent) {
            opaque.emplace_back(ToSample(entry.first), entry.second);
        }
    }
    std::vector<Sample> centres = MedianCut(opaque, colours - (hasTransparent ? 1 : 0));
    // A few rounds of k-means settle the centres on the colours that carry the most pixels.
    for (int round = 0; round < 8; ++round) {
        std::vector<Sample> sums(centres.size(), Sample{});
        std::vector<double> weights(centres.size(), 0);
        for (const auto& [sample, weight] : opaque) {
            const int k = Nearest(sample, centres);
            for (int c = 0; c < 4; ++c) {
                sums[std::size_t(k)][std::size_t(c)] += sample[std::size_t(c)] * weight;
            }
            weights[std::size_t(k)] += weight;
        }
        for (std::size_t k = 0; k < centres.size(); ++k) {
            if (weights[k] > 0) {
                for (int c = 0; c < 4; ++c) {
                    centres[k][std::size_t(c)] = sums[k][std::size_t(c)] / weights[k];
                }
            }
        }
    }

    std::map<QRgb, int> entryOf;
    if (hasTransparent) {
        entryOf[Transparent] = 0;
        table.push_back(Transparent);
    }
    std::vector<int> centreEntry;
    for (const auto& centre : centres) {
        const QRgb c = FromSample(centre);
        auto found = entryOf.find(c);
        if (found == entryOf.end()) {
            found = entryOf.emplace(c, int(table.size())).first;
            table.push_back(c);
        }
        centreEntry.push_back(found->second);
    }
    for (const auto& entry : histogram) {
        indexOf[entry.first] = entry.first == Transparent
                                   ? entryOf.at(Transparent)
                                   : centreEntry[std::size_t(Nearest(ToSample(entry.first), centres))];
    }
    return Indexed(argb, table, indexOf);
}

int CountColours(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    std::set<QRgb> seen;
    for (int y = 0; y < argb.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            seen.insert(qAlpha(in[x]) == 0 ? Transparent : in[x]);
        }
    }
    return int(seen.size());
}

} // namespace pictures
