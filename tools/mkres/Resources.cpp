// Puts the pictures and sounds into the game's archives.
#include "Resources.h"

#include "BitmapFile.h"
#include "Sounds.h"
#include "archive/ArchiveWriter.h"
#include "archive/UtilsPcx.h"

#include <algorithm>
#include <map>

namespace Art {

namespace {

struct Bucket
{
    std::vector<std::pair<std::uint32_t, std::uint32_t>> Colours; // colour, count
};

int Channel(std::uint32_t c, int k)
{
    return static_cast<int>((c >> (16 - 8 * k)) & 0xFF);
}

} // namespace

IndexedPicture ReduceColours(const Picture& picture)
{
    std::map<std::uint32_t, std::uint32_t> counts;
    for (const std::uint32_t p : picture.Pixels) {
        ++counts[p];
    }
    std::vector<Bucket> buckets(1);
    buckets[0].Colours.assign(counts.begin(), counts.end());
    // Split the bucket with the widest channel range until there are 256 or none can be split.
    while (buckets.size() < 256) {
        int best = -1;
        int bestRange = 0;
        int bestChannel = 0;
        for (std::size_t b = 0; b < buckets.size(); ++b) {
            if (buckets[b].Colours.size() < 2) {
                continue;
            }
            for (int k = 0; k < 3; ++k) {
                int lo = 255;
                int hi = 0;
                for (const auto& [c, n] : buckets[b].Colours) {
                    lo = std::min(lo, Channel(c, k));
                    hi = std::max(hi, Channel(c, k));
                }
                if (hi - lo > bestRange) {
                    bestRange = hi - lo;
                    best = static_cast<int>(b);
                    bestChannel = k;
                }
            }
        }
        if (best < 0) {
            break;
        }
        auto& cs = buckets[static_cast<std::size_t>(best)].Colours;
        std::sort(cs.begin(), cs.end(), [&](const auto& a, const auto& b) {
            return Channel(a.first, bestChannel) != Channel(b.first, bestChannel)
                       ? Channel(a.first, bestChannel) < Channel(b.first, bestChannel)
                       : a.first < b.first;
        });
        std::uint64_t total = 0;
        for (const auto& e : cs) {
            total += e.second;
        }
        std::uint64_t run = 0;
        std::size_t cut = 1;
        for (std::size_t i = 0; i + 1 < cs.size(); ++i) {
            run += cs[i].second;
            cut = i + 1;
            if (run * 2 >= total) {
                break;
            }
        }
        Bucket upper;
        upper.Colours.assign(cs.begin() + static_cast<std::ptrdiff_t>(cut), cs.end());
        cs.resize(cut);
        buckets.push_back(std::move(upper));
    }
    IndexedPicture out;
    std::vector<std::array<int, 3>> palette;
    for (std::size_t b = 0; b < buckets.size(); ++b) {
        double sum[3] = {0, 0, 0};
        double n = 0;
        for (const auto& [c, count] : buckets[b].Colours) {
            for (int k = 0; k < 3; ++k) {
                sum[k] += Channel(c, k) * static_cast<double>(count);
            }
            n += count;
        }
        std::array<int, 3> rgb{};
        for (int k = 0; k < 3; ++k) {
            rgb[static_cast<std::size_t>(k)] = static_cast<int>(sum[k] / n + 0.5);
            out.Palette[b * 3 + static_cast<std::size_t>(k)] =
                static_cast<std::uint8_t>(rgb[static_cast<std::size_t>(k)]);
        }
        palette.push_back(rgb);
    }
    std::map<std::uint32_t, std::uint8_t> nearest;
    for (const auto& [c, n] : counts) {
        int best = 0;
        int bestDistance = 1 << 30;
        for (std::size_t i = 0; i < palette.size(); ++i) {
            int d = 0;
            for (int k = 0; k < 3; ++k) {
                const int e = Channel(c, k) - palette[i][static_cast<std::size_t>(k)];
                d += e * e;
            }
            if (d < bestDistance) {
                bestDistance = d;
                best = static_cast<int>(i);
            }
        }
        nearest[c] = static_cast<std::uint8_t>(best);
    }
    out.Indices.reserve(picture.Pixels.size());
    for (const std::uint32_t p : picture.Pixels) {
        out.Indices.push_back(nearest[p]);
    }
    return out;
}

bool AddPictures(ArchiveWriter& res00, const std::vector<Picture>& pictures, std::string& error)
{
    // The archive holds the catalogue's items in the catalogue's order, so the game finds each
    // where the catalogue says.
    for (std::size_t i = 0; i < std::max(pictures.size(), Pictures::All.size()); ++i) {
        const std::string made = i < pictures.size() ? pictures[i].Name : "nothing";
        const std::string listed = i < Pictures::All.size() ? std::string(Pictures::All[i].Name) : "nothing";
        if (made != listed) {
            error = "picture " + std::to_string(i) + " is " + made + " but the catalogue lists " + listed;
            return false;
        }
    }
    for (const Picture& p : pictures) {
        if (p.StoreAsPcx) {
            const IndexedPicture indexed = ReduceColours(p);
            auto bytes = EncodePcx(p.Width, p.Height, indexed.Indices, indexed.Palette);
            if (!bytes) {
                error = "cannot encode " + p.Name + " as PCX";
                return false;
            }
            if (!res00.Add(p.Name, 1, std::move(*bytes), &error)) {
                return false;
            }
        } else if (!res00.Add(p.Name, 0, EncodeBitmapFile(p), &error)) {
            return false;
        }
    }
    return true;
}

bool AddSounds(ArchiveWriter& res01, std::string& error)
{
    for (const Synth::Sound& s : Synth::MakeAllSounds()) {
        if (!res01.Add(s.Name, 0, Synth::EncodeWave(s.Samples), &error)) {
            return false;
        }
    }
    return true;
}

} // namespace Art
