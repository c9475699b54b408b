// Fonts: the program's faces mapped to installed families, sized by cell height and average
// character width, and the one Pango context all text is laid out with.
#include "graphics/Font.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <map>
#include <mutex>
#include <pango/pangocairo.h>
#include <thread>
#include <utility>

namespace {

// Size at which a family's proportions are measured; metrics scale linearly without hinting.
constexpr double ReferenceSize = 100.0;

struct FaceProportions
{
    double CellHeight = 1.0;   // ascent + descent per pixel of em size
    double AverageWidth = 0.5; // approximate character width per pixel of em size
};

struct FamilyChoice
{
    const char* Families;
    bool Bold;
};

// Families by face, set as a list (never parsed from a string: "Times New Roman" would lose
// "Roman" to the style).
FamilyChoice FamiliesFor(const std::string& face)
{
    std::string key = face;
    std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return std::tolower(c); });
    if (key == "times new roman") {
        return {"Liberation Serif,DejaVu Serif", false};
    }
    if (key == "impact") {
        return {"Impact,DejaVu Sans Condensed,Liberation Sans", true};
    }
    return {"Liberation Sans,DejaVu Sans", false};
}

class TextEngine
{
public:
    TextEngine()
    {
        // Creating the font map starts Pango reading the font configuration on a thread of its own.
        FontMap = pango_cairo_font_map_new();
        Context = pango_font_map_create_context(FontMap);
        // Fixed options, so that text pixels do not depend on the desktop's settings.
        cairo_font_options_t* options = cairo_font_options_create();
        cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
        cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
        cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
        pango_cairo_context_set_font_options(Context, options);
        cairo_font_options_destroy(options);
        // Unrounded positions keep horizontally scaled text evenly spaced.
        pango_context_set_round_glyph_positions(Context, FALSE);
        pango_context_set_language(Context, pango_language_from_string("en"));
    }
    ~TextEngine()
    {
        AwaitWarmUp();
        g_object_unref(Context);
        g_object_unref(FontMap);
    }
    TextEngine(const TextEngine&) = delete;
    TextEngine& operator=(const TextEngine&) = delete;

    PangoContext* Context = nullptr;

    FaceProportions Proportions(const char* families, int weight)
    {
        const auto key = std::make_pair(std::string(families), weight);
        auto found = Measured.find(key);
        if (found != Measured.end()) {
            return found->second;
        }
        PangoFontDescription* desc = pango_font_description_new();
        pango_font_description_set_family_static(desc, families);
        pango_font_description_set_weight(desc, static_cast<PangoWeight>(weight));
        pango_font_description_set_absolute_size(desc, ReferenceSize * PANGO_SCALE);
        PangoFontMetrics* metrics = pango_context_get_metrics(Context, desc, nullptr);
        FaceProportions p;
        const double scale = ReferenceSize * PANGO_SCALE;
        const int cell = pango_font_metrics_get_ascent(metrics) + pango_font_metrics_get_descent(metrics);
        const int width = pango_font_metrics_get_approximate_char_width(metrics);
        if (cell > 0) {
            p.CellHeight = cell / scale;
        }
        if (width > 0) {
            p.AverageWidth = width / scale;
        }
        pango_font_metrics_unref(metrics);
        pango_font_description_free(desc);
        Measured.emplace(key, p);
        return p;
    }

    // Loads the game's faces on a worker thread. Pango and fontconfig are not to be used from two
    // threads at once: every other use of the engine waits for the worker first (Engine()).
    void StartWarmUp()
    {
        const std::lock_guard lock(WarmUpLock);
        if (WarmUp.joinable()) {
            return;
        }
        WarmUpPending.store(true, std::memory_order_release);
        WarmUp = std::thread([this] { LoadFaces(); });
    }

    void AwaitWarmUp()
    {
        if (!WarmUpPending.load(std::memory_order_acquire)) {
            return;
        }
        const std::lock_guard lock(WarmUpLock);
        if (WarmUp.joinable()) {
            WarmUp.join();
        }
        WarmUpPending.store(false, std::memory_order_release);
    }

private:
    void LoadFaces();

    PangoFontMap* FontMap = nullptr;
    std::map<std::pair<std::string, int>, FaceProportions> Measured;
    std::mutex WarmUpLock;
    std::thread WarmUp;
    std::atomic<bool> WarmUpPending{false};
};

// The description and horizontal scale of a face at a cell height and average character width.
PangoFontDescription* DescribeFont(TextEngine& engine, const std::string& face, int weight, int pixelHeight,
                                   int averageCharWidth, double& scale)
{
    const FamilyChoice choice = FamiliesFor(face);
    // 0 asks for the default weight; Pango takes 100 to 1000.
    const int pangoWeight = choice.Bold ? 700 : std::clamp(weight <= 0 ? 400 : weight, 100, 1000);
    const FaceProportions p = engine.Proportions(choice.Families, pangoWeight);
    // The cell height (ascent + descent) is asked for; Pango sizes by the em.
    const double em = std::max(pixelHeight, 1) / p.CellHeight;
    scale = averageCharWidth > 0 ? averageCharWidth / (em * p.AverageWidth) : 1.0;
    PangoFontDescription* desc = pango_font_description_new();
    pango_font_description_set_family(desc, choice.Families);
    pango_font_description_set_weight(desc, static_cast<PangoWeight>(pangoWeight));
    pango_font_description_set_absolute_size(desc, em * PANGO_SCALE);
    return desc;
}

void TextEngine::LoadFaces()
{
    for (const char* face : {"Arial", "Times New Roman", "Impact"}) {
        for (int weight : {400, 700}) {
            double scale = 1.0;
            PangoFontDescription* desc = DescribeFont(*this, face, weight, 16, 0, scale);
            PangoLayout* layout = pango_layout_new(Context);
            pango_layout_set_font_description(layout, desc);
            pango_layout_set_text(layout, "Tarnhollow $0123456789", -1);
            int w = 0;
            int h = 0;
            pango_layout_get_size(layout, &w, &h);
            g_object_unref(layout);
            pango_font_description_free(desc);
        }
    }
}

TextEngine& EngineInstance()
{
    static TextEngine engine;
    return engine;
}

// The engine, once any warm-up has finished.
TextEngine& Engine()
{
    TextEngine& engine = EngineInstance();
    engine.AwaitWarmUp();
    return engine;
}

} // namespace

PangoContext* SharedTextContext()
{
    return Engine().Context;
}

void StartWarmingFonts()
{
    EngineInstance().StartWarmUp();
}

void WarmFonts()
{
    StartWarmingFonts();
    Engine();
}

Font::Font(const std::string& face, int weight, int pixelHeight, int averageCharWidth)
    : FaceName(face), FontWeight(weight), Height(pixelHeight)
{
    Desc = DescribeFont(Engine(), face, weight, pixelHeight, averageCharWidth, Scale);
}

Font::~Font()
{
    pango_font_description_free(Desc);
}

std::unique_ptr<Font> MakeFont(const std::string& face, int weight, double heightPermille,
                               double widthPermille)
{
    const std::int32_t height = Round(ScreenSize.Height * heightPermille * 0.001);
    const std::int32_t width = Round(ScreenSize.Width * widthPermille * 0.001);
    return std::make_unique<Font>(face, weight, height, width);
}
