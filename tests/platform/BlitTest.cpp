#include "DrawingSupport.h"

#include "platform/gfx/DC.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr Pixel kOpaque = 0xFF000000u;

// A colour surface whose pixel (x, y) is a colour unique to it.
Pixel Unique(int x, int y) { return kOpaque | (uint32_t(x) << 16) | (uint32_t(y) << 8) | uint32_t(x * 7 + y * 3); }

void FillUnique(TestSurface& surface)
{
    for (int y = 0; y < surface.Image().height; ++y) {
        for (int x = 0; x < surface.Image().width; ++x)
            surface.Image().Row(y)[x] = Unique(x, y);
    }
}

struct OpCase {
    RasterOp op;
    Pixel dest, source, expected;
};

TEST(RasterOps, ColourTruthTables)
{
    const Pixel d = 0xFF5AC30Fu;
    const Pixel s = 0xFF33F0AAu;
    const OpCase cases[] = {
        {RasterOp::SrcCopy, d, s, s},
        {RasterOp::SrcAnd, d, s, 0xFF12C00Au},
        {RasterOp::SrcPaint, d, s, 0xFF7BF3AFu},
        {RasterOp::SrcInvert, d, s, 0xFF6933A5u},
    };
    for (const OpCase& c : cases) {
        TestSurface dest(3, 1);
        TestSurface source(3, 1);
        dest.Image().pixels.assign(3, c.dest);
        source.Image().pixels.assign(3, c.source);
        dest.dc.BitBlt(1, 0, 1, 1, &source.dc, 0, 0, c.op);
        EXPECT_EQ(dest.At(1, 0), c.expected) << int(c.op);
        EXPECT_EQ(dest.At(0, 0), c.dest);
        EXPECT_EQ(dest.At(2, 0), c.dest);
    }
}

TEST(RasterOps, XorOfAColourWithItselfIsOpaqueBlack)
{
    TestSurface surface(4, 4);
    FillUnique(surface);
    TestSurface copy(4, 4);
    FillUnique(copy);
    surface.dc.BitBlt(0, 0, 4, 4, &copy.dc, 0, 0, RasterOp::SrcInvert);
    for (Pixel p : surface.Image().pixels)
        EXPECT_EQ(p, kOpaque);
}

TEST(RasterOps, MonochromeTruthTables)
{
    const RasterOp ops[] = {RasterOp::SrcCopy, RasterOp::SrcAnd, RasterOp::SrcPaint, RasterOp::SrcInvert};
    const Pixel expected[4][4] = {
        // (d, s) = (0,0) (0,1) (1,0) (1,1)
        {0, 1, 0, 1}, // copy
        {0, 0, 0, 1}, // and
        {0, 1, 1, 1}, // or
        {0, 1, 1, 0}, // xor
    };
    for (int o = 0; o < 4; ++o) {
        TestSurface dest(4, 1, SurfaceBitmap::Monochrome);
        TestSurface source(4, 1, SurfaceBitmap::Monochrome);
        dest.Image().pixels = {0, 0, 1, 1};
        source.Image().pixels = {0, 1, 0, 1};
        dest.dc.BitBlt(0, 0, 4, 1, &source.dc, 0, 0, ops[o]);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(dest.At(i, 0), expected[o][i]) << "op " << o << " case " << i;
    }
}

TEST(Blit, OverlappingCopiesOnOneSurfaceReadTheSourceFirst)
{
    const Point moves[] = {{2, 3}, {-2, -3}, {3, 0}, {-3, 0}, {0, 1}, {0, -1}, {1, -1}};
    for (const Point move : moves) {
        TestSurface surface(12, 12);
        FillUnique(surface);
        const PixelImage before = surface.Image();
        surface.dc.BitBlt(3 + move.x, 3 + move.y, 6, 6, &surface.dc, 3, 3, RasterOp::SrcCopy);
        for (int y = 0; y < 12; ++y) {
            for (int x = 0; x < 12; ++x) {
                const bool inside = Rect::FromSize(3 + move.x, 3 + move.y, 6, 6).Contains({x, y});
                const Pixel expected = inside ? before.At(x - move.x, y - move.y) : before.At(x, y);
                ASSERT_EQ(surface.At(x, y), expected) << move.x << "," << move.y << " at " << x << "," << y;
            }
        }
    }
}

TEST(Blit, OverlappingXorOnOneSurfaceUsesTheOriginalSource)
{
    TestSurface surface(8, 1);
    FillUnique(surface);
    const PixelImage before = surface.Image();
    surface.dc.BitBlt(1, 0, 6, 1, &surface.dc, 0, 0, RasterOp::SrcInvert);
    for (int x = 1; x < 7; ++x)
        EXPECT_EQ(surface.At(x, 0), (before.At(x, 0) ^ before.At(x - 1, 0)) | kOpaque);
}

TEST(Blit, OnlyPixelsThatExistInTheSourceAndTheDestinationClipAreDrawn)
{
    TestSurface source(4, 4);
    FillUnique(source);
    TestSurface dest(10, 10);
    dest.dc.SetClipRect({0, 0, 10, 5});
    dest.dc.BitBlt(2, 2, 6, 6, &source.dc, -1, -1, RasterOp::SrcCopy);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            const int sx = x - 3, sy = y - 3;
            const bool drawn = sx >= 0 && sx < 4 && sy >= 0 && sy < 4 && y < 5;
            ASSERT_EQ(dest.At(x, y), drawn ? Unique(sx, sy) : kOpaque) << x << "," << y;
        }
    }
}

TEST(Blit, BothOriginsApply)
{
    TestSurface source(8, 8);
    FillUnique(source);
    source.dc.SetViewportOrg(-2, -1); // logical (2, 1) is device (0, 0)
    TestSurface dest(8, 8);
    dest.dc.SetViewportOrg(3, 0);
    dest.dc.BitBlt(0, 0, 2, 2, &source.dc, 4, 4, RasterOp::SrcCopy);
    EXPECT_EQ(dest.At(3, 0), Unique(2, 3));
    EXPECT_EQ(dest.At(4, 1), Unique(3, 4));
    EXPECT_EQ(dest.At(2, 0), kOpaque);
    EXPECT_EQ(dest.At(5, 0), kOpaque);
}

TEST(Blit, MissingSurfacesFailAndEmptySizesDrawNothing)
{
    TestSurface dest(4, 4);
    CDC unset;
    EXPECT_FALSE(dest.dc.BitBlt(0, 0, 4, 4, nullptr, 0, 0, RasterOp::SrcCopy));
    EXPECT_FALSE(dest.dc.BitBlt(0, 0, 4, 4, &unset, 0, 0, RasterOp::SrcCopy));
    TestSurface source(4, 4);
    FillUnique(source);
    EXPECT_TRUE(dest.dc.BitBlt(0, 0, 0, 4, &source.dc, 0, 0, RasterOp::SrcCopy));
    EXPECT_TRUE(dest.dc.BitBlt(0, 0, 4, -1, &source.dc, 0, 0, RasterOp::SrcCopy));
    EXPECT_EQ(PixelsNotEqual(dest.Image(), kOpaque).size(), 0u);
}

TEST(MonochromeConversion, ColourToMonoIsOneExactlyWhereTheSourceHasItsBackgroundColour)
{
    const Colour key = Rgb(10, 20, 30);
    TestSurface source(4, 1);
    source.Image().pixels = {ToPixel(key), ToPixel(Rgb(10, 20, 31)), ToPixel(colours::kWhite), ToPixel(key)};
    source.dc.SetBkColor(key);
    source.dc.SetTextColor(key); // the text colour plays no part
    TestSurface mask(4, 1, SurfaceBitmap::Monochrome);
    mask.Image().pixels = {0, 1, 1, 0};
    mask.dc.BitBlt(0, 0, 4, 1, &source.dc, 0, 0, RasterOp::SrcCopy);
    EXPECT_EQ(mask.Image().pixels, (std::vector<Pixel>{1, 0, 0, 1}));
}

TEST(MonochromeConversion, MonoToColourUsesTheDestinationsBackgroundForOneAndTextForZero)
{
    TestSurface mask(3, 1, SurfaceBitmap::Monochrome);
    mask.Image().pixels = {1, 0, 1};
    mask.dc.SetBkColor(Rgb(1, 1, 1)); // the source's colours play no part
    mask.dc.SetTextColor(Rgb(2, 2, 2));
    TestSurface dest(3, 1);
    dest.dc.SetBkColor(Rgb(200, 0, 0));
    dest.dc.SetTextColor(Rgb(0, 0, 150));
    dest.dc.BitBlt(0, 0, 3, 1, &mask.dc, 0, 0, RasterOp::SrcCopy);
    EXPECT_EQ(dest.At(0, 0), ToPixel(Rgb(200, 0, 0)));
    EXPECT_EQ(dest.At(1, 0), ToPixel(Rgb(0, 0, 150)));
    EXPECT_EQ(dest.At(2, 0), ToPixel(Rgb(200, 0, 0)));
}

TEST(MonochromeConversion, MonoToMonoCopiesBitsWhateverTheColours)
{
    TestSurface source(5, 1, SurfaceBitmap::Monochrome);
    source.Image().pixels = {1, 0, 0, 1, 1};
    source.dc.SetBkColor(colours::kBlack);
    TestSurface dest(5, 1, SurfaceBitmap::Monochrome);
    dest.dc.SetBkColor(colours::kBlack);
    dest.dc.SetTextColor(colours::kWhite);
    dest.dc.BitBlt(0, 0, 5, 1, &source.dc, 0, 0, RasterOp::SrcCopy);
    EXPECT_EQ(dest.Image().pixels, source.Image().pixels);
}

TEST(MonochromeConversion, ANewMemorySurfaceHoldsOneMonochromePixel)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    ASSERT_NE(dc.Target(), nullptr);
    EXPECT_EQ(dc.Target()->width, 1);
    EXPECT_EQ(dc.Target()->height, 1);
    EXPECT_TRUE(dc.Target()->monochrome);
}

// The slider knob: an opaque left part and a right part whose white pixels are see-through. The
// mask and the prepared part are made once; drawing then ANDs the mask and ORs the part.
class KnobRecipe : public ::testing::Test {
protected:
    static constexpr int kWidth = 12, kHeight = 6, kOpaqueWidth = 5, kPartWidth = kWidth - kOpaqueWidth;
    static constexpr Colour kKnobColour = Rgb(200, 30, 40);
    static constexpr Colour kRim = Rgb(0, 0, 0);

    // The knob's right part: white (see-through) in a checker, the knob colour and a black rim
    // elsewhere; the left part is grey.
    static Colour KnobPixel(int x, int y)
    {
        if (x < kOpaqueWidth)
            return Rgb(100, 100, 100);
        if ((x + y) % 3 == 0)
            return colours::kWhite;
        return y == 0 ? kRim : kKnobColour;
    }

    static Colour Background(int x, int y) { return Rgb(x * 6, 40 + y * 7, 90 + x + y); }

    void SetUp() override
    {
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x)
                knob.Image().Row(y)[x] = ToPixel(KnobPixel(x, y));
        }
        for (int y = 0; y < back.Image().height; ++y) {
            for (int x = 0; x < back.Image().width; ++x)
                back.Image().Row(y)[x] = ToPixel(Background(x, y));
        }
    }

    void PrepareKnob()
    {
        part.CreateCompatibleDC(&back.dc);
        mask.CreateCompatibleDC(&back.dc);
        ASSERT_TRUE(partBitmap.CreateCompatibleBitmap(kPartWidth, kHeight));
        part.SelectObject(&partBitmap);
        part.BitBlt(0, 0, kPartWidth, kHeight, &knob.dc, kOpaqueWidth, 0, RasterOp::SrcCopy);
        ASSERT_TRUE(maskBitmap.CreateBitmap(kPartWidth, kHeight, 1, 1));
        mask.SelectObject(&maskBitmap);
        part.SetBkColor(colours::kWhite);
        mask.BitBlt(0, 0, kPartWidth, kHeight, &part, 0, 0, RasterOp::SrcCopy);
        part.SetBkColor(colours::kBlack);
        part.SetTextColor(colours::kWhite);
        part.BitBlt(0, 0, kPartWidth, kHeight, &mask, 0, 0, RasterOp::SrcAnd);
    }

    void Draw(int left, int top)
    {
        back.dc.BitBlt(left, top, kOpaqueWidth, kHeight, &knob.dc, 0, 0, RasterOp::SrcCopy);
        back.dc.SetBkColor(colours::kWhite);
        back.dc.SetTextColor(colours::kBlack);
        back.dc.BitBlt(left + kOpaqueWidth, top, kPartWidth, kHeight, &mask, 0, 0, RasterOp::SrcAnd);
        back.dc.BitBlt(left + kOpaqueWidth, top, kPartWidth, kHeight, &part, 0, 0, RasterOp::SrcPaint);
    }

    TestSurface knob{kWidth, kHeight};
    TestSurface back{40, 30};
    CDC part, mask;
    CBitmap partBitmap, maskBitmap;
};

TEST_F(KnobRecipe, TheMaskMarksTheWhitePixelsAndThePartLosesThem)
{
    PrepareKnob();
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kPartWidth; ++x) {
            const bool white = KnobPixel(x + kOpaqueWidth, y) == colours::kWhite;
            EXPECT_EQ(maskBitmap.Image()->At(x, y), white ? 1u : 0u) << x << "," << y;
            EXPECT_EQ(partBitmap.Image()->At(x, y), white ? ToPixel(colours::kBlack) : ToPixel(KnobPixel(x + kOpaqueWidth, y)));
        }
    }
}

TEST_F(KnobRecipe, WhitePixelsOfThePartAreSeeThroughAndTheRestShowTheKnob)
{
    PrepareKnob();
    constexpr int kLeft = 9, kTop = 11;
    Draw(kLeft, kTop);
    int seeThrough = 0;
    for (int y = 0; y < back.Image().height; ++y) {
        for (int x = 0; x < back.Image().width; ++x) {
            const bool onKnob = Rect::FromSize(kLeft, kTop, kWidth, kHeight).Contains({x, y});
            Colour expected = Background(x, y);
            if (onKnob && KnobPixel(x - kLeft, y - kTop) != colours::kWhite)
                expected = KnobPixel(x - kLeft, y - kTop);
            seeThrough += onKnob && expected == Background(x, y) ? 1 : 0;
            ASSERT_EQ(back.At(x, y), ToPixel(expected)) << x << "," << y;
        }
    }
    EXPECT_GT(seeThrough, 0);
}

}
