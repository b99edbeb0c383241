// What TVorm.Paint draws, read from the canvas record.
#include <gtest/gtest.h>

#include "Vormen.h"
#include "support/ShapeForm.h"

namespace {

using Graphics::TCall;
using Graphics::TCallKind;
using Types::TPoint;
using Types::TRect;
using namespace Vormen;

struct TShape : TestSupport::TOneControlForm<TVorm> {
  using TOneControlForm::TOneControlForm;
  // The figure's call: the last one of a paint (the background fill comes first).
  TCall Figure(TVormen v, int pen = 1) {
    Control().SetVorm(v);
    Control().Pen().SetWidth(pen);
    auto calls = Paint();
    EXPECT_GE(calls.size(), 2u);
    return calls.back();
  }
};

void ExpectRect(const TCall& c, TCallKind kind, TRect r) {
  EXPECT_EQ(c.Kind, kind);
  EXPECT_EQ(c.Rect, r);
}

void ExpectRoundRect(const TCall& c, TRect r, int cw, int ch) {
  ExpectRect(c, TCallKind::RoundRect, r);
  EXPECT_EQ(c.CornerWidth, cw);
  EXPECT_EQ(c.CornerHeight, ch);
}

void ExpectPolygon(const TCall& c, std::vector<TPoint> points) {
  EXPECT_EQ(c.Kind, TCallKind::Polygon);
  EXPECT_EQ(c.Points, points);
}

TEST(VormGeometry, DefaultControlDrawsEveryFigure) {
  TShape s;
  ExpectRect(s.Figure(Rechthoek), TCallKind::Rectangle, {0, 0, 62, 62});
  ExpectRect(s.Figure(Vierkant), TCallKind::Rectangle, {0, 0, 62, 62});
  ExpectRoundRect(s.Figure(RondeRechthoek), {0, 0, 62, 62}, 15, 15);
  ExpectRoundRect(s.Figure(RondVierkant), {0, 0, 62, 62}, 15, 15);
  ExpectRect(s.Figure(Ellips), TCallKind::Ellipse, {0, 0, 62, 62});
  ExpectRect(s.Figure(Cirkel), TCallKind::Ellipse, {0, 0, 62, 62});
  ExpectPolygon(s.Figure(Honing), {{16, 0}, {45, 0}, {61, 30}, {45, 61}, {16, 61}, {0, 30}});
  ExpectPolygon(s.Figure(DriehoekOmhoog), {{31, 0}, {61, 61}, {0, 61}});
  ExpectPolygon(s.Figure(DriehoekLinks), {{61, 0}, {61, 61}, {0, 31}});
  ExpectPolygon(s.Figure(DriehoekRechts), {{0, 0}, {0, 61}, {61, 31}});
  ExpectPolygon(s.Figure(DriehoekOmlaag), {{31, 61}, {61, 0}, {0, 0}});
}

TEST(VormGeometry, RegularHexagonSetsItsHeightThenSettles) {
  TShape s;
  ExpectPolygon(s.Figure(HoningRaat), {{16, 0}, {45, 0}, {61, 26}, {45, 61}, {16, 61}, {0, 26}});
  EXPECT_EQ(s.Control().Height(), 54);
  ExpectPolygon(s.Figure(HoningRaat), {{16, 0}, {45, 0}, {61, 26}, {45, 53}, {16, 53}, {0, 26}});
}

TEST(VormGeometry, HexagonHeightsFollowTheWidth) {
  for (auto [width, height] : {std::pair{62, 54}, {100, 87}, {128, 111}, {60, 52}}) {
    TShape s(width, 40);
    s.Figure(HoningRaat);
    EXPECT_EQ(s.Control().Height(), height) << "width " << width;
  }
}

TEST(VormGeometry, SquaresCentreAlongTheLongerSide) {
  TShape wide(100, 60);
  ExpectRect(wide.Figure(Vierkant), TCallKind::Rectangle, {20, 0, 80, 60});
  ExpectRoundRect(wide.Figure(RondVierkant), {20, 0, 80, 60}, 15, 15);
  ExpectRoundRect(wide.Figure(RondeRechthoek), {0, 0, 100, 60}, 25, 15);
  ExpectRect(wide.Figure(Cirkel), TCallKind::Ellipse, {20, 0, 80, 60});
  TShape tall(60, 100);
  ExpectRect(tall.Figure(Vierkant), TCallKind::Rectangle, {0, 20, 60, 80});
  ExpectRoundRect(tall.Figure(RondVierkant), {0, 20, 60, 80}, 15, 15);
}

TEST(VormGeometry, PenWidthInsetsTheBox) {
  TShape s;
  ExpectRect(s.Figure(Rechthoek, 4), TCallKind::Rectangle, {2, 2, 61, 61});
  ExpectRect(s.Figure(Vierkant, 4), TCallKind::Rectangle, {1, 2, 60, 61});
  ExpectRect(s.Figure(Rechthoek, 0), TCallKind::Rectangle, {0, 0, 62, 62});
  ExpectRect(s.Figure(Rechthoek, 2), TCallKind::Rectangle, {1, 1, 62, 62});
  ExpectRect(s.Figure(Rechthoek, 3), TCallKind::Rectangle, {1, 1, 61, 61});
  ExpectRect(s.Figure(Rechthoek, 5), TCallKind::Rectangle, {2, 2, 60, 60});
  ExpectPolygon(s.Figure(DriehoekOmhoog, 5), {{31, 2}, {59, 59}, {2, 59}});
  ExpectPolygon(s.Figure(Honing, 3), {{16, 1}, {45, 1}, {60, 30}, {45, 60}, {16, 60}, {1, 30}});
}

TEST(VormGeometry, HexagonCornersRoundTheQuarterWidthToEven) {
  // 58 / 4 = 14.5 and 66 / 4 = 16.5 go down to the even neighbour; 62 / 4 = 15.5 goes up.
  for (auto [width, d] : {std::pair{58, 14}, {62, 16}, {66, 16}}) {
    TShape s(width, 62);
    TCall c = s.Figure(Honing);
    ASSERT_EQ(c.Points.size(), 6u);
    EXPECT_EQ(c.Points[0].X, d) << "width " << width;
    EXPECT_EQ(c.Points[1].X, width - d - 1) << "width " << width;
  }
}

TEST(VormGeometry, AnOrdinalOutsideTheFiguresDrawsOnlyTheBackground) {
  TShape s;
  s.Control().SetVorm(static_cast<TVormen>(12));
  auto calls = s.Paint();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].Kind, TCallKind::FillRect);
  EXPECT_EQ(calls[0].Rect, (TRect{0, 0, 62, 62}));
}

TEST(VormGeometry, BackgroundThenFigureWithTheControlsTools) {
  TShape s;
  s.Control().Achtergrond().SetColor(Graphics::clTeal);  // makes the brush solid
  s.Control().Brush().SetColor(Graphics::clYellow);
  s.Control().Pen().SetColor(Graphics::clRed);
  auto calls = s.Paint();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].Kind, TCallKind::FillRect);
  EXPECT_EQ(calls[0].State.Brush.Color, Graphics::clTeal);
  EXPECT_EQ(calls[0].State.Brush.Style, Graphics::bsSolid);
  EXPECT_EQ(calls[1].State.Brush.Color, Graphics::clYellow);
  EXPECT_EQ(calls[1].State.Pen.Color, Graphics::clRed);
  // The canvas keeps the figure's tools for a subclass that draws on top.
  EXPECT_EQ(s.Control().Canvas().Pen().Color(), Graphics::clRed);
}

TEST(VormGeometry, HiddenInTheDesignerIsADashedUnfilledOutline) {
  TShape s;
  s.Control().SetDesigning(true);
  s.Control().SetVisible(false);
  s.Control().Pen().SetWidth(5);
  s.Control().Pen().SetColor(Graphics::clRed);
  auto calls = s.Paint();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].State.Brush.Style, Graphics::bsClear);
  const TCall& figure = calls[1];
  EXPECT_EQ(figure.Rect, (TRect{0, 0, 62, 62}));  // the box of a width-1 pen
  EXPECT_EQ(figure.State.Pen.Width, 1);
  EXPECT_EQ(figure.State.Pen.Style, Graphics::psDash);
  EXPECT_EQ(figure.State.Brush.Style, Graphics::bsClear);
  EXPECT_NE(figure.State.Pen.Color, Graphics::clRed);  // the control's pen is not used
}

TEST(VormGeometry, HiddenAtRunTimePaintsNothing) {
  TShape s;
  s.Control().SetVisible(false);
  EXPECT_TRUE(s.Paint().empty());
  s.Control().Paint();  // called directly, it hides the control and draws nothing
  EXPECT_FALSE(s.Control().Visible());
}

}  // namespace
