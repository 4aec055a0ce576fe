#include "core/sampling/magnifier_geometry.h"

#include <gtest/gtest.h>

#include <climits>

namespace tw {
namespace {

constexpr int kPictureWidth = 165;  // the magnifier's picture at 96 dpi
constexpr int kPictureHeight = 132;

TEST(ZoomFactorFromIndex, ListItemsGiveOneToTwentyAndAnythingElseTheDefault) {
  const struct {
    int itemIndex;
    int zoom;
  } cases[] = {{0, 1}, {4, 5}, {9, 10}, {19, 20}, {-1, 5}, {20, 5}, {INT_MIN, 5}, {INT_MAX, 5}};
  for (const auto& c : cases) {
    EXPECT_EQ(ZoomFactorFromIndex(c.itemIndex), c.zoom) << "item " << c.itemIndex;
  }
}

TEST(CaptureRect, BlockIsPictureDivZoomWithThePointerAtItsHalfway) {
  const struct {
    int pointerX, pointerY, width, height, zoom;
    ScreenRect rect;
  } cases[] = {
      {500, 300, kPictureWidth, kPictureHeight, 1, {418, 234, 165, 132}},
      // Even sizes reach one pixel further right and down than left and up.
      {500, 300, kPictureWidth, kPictureHeight, 2, {459, 267, 82, 66}},
      {500, 300, kPictureWidth, kPictureHeight, 5, {484, 287, 33, 26}},
      {500, 300, kPictureWidth, kPictureHeight, 10, {492, 294, 16, 13}},
      {500, 300, kPictureWidth, kPictureHeight, 20, {496, 297, 8, 6}},
      // Not clamped to the screen: the left edge and a monitor left of the first.
      {0, 0, kPictureWidth, kPictureHeight, 5, {-16, -13, 33, 26}},
      {-1200, 40, kPictureWidth, kPictureHeight, 20, {-1204, 37, 8, 6}},
      // A zoom factor off the list is taken as 5.
      {500, 300, kPictureWidth, kPictureHeight, 0, {484, 287, 33, 26}},
      {500, 300, kPictureWidth, kPictureHeight, 21, {484, 287, 33, 26}},
      {500, 300, kPictureWidth, kPictureHeight, -3, {484, 287, 33, 26}},
      // Another dpi or layout: the geometry follows the picture's size.
      {10, 10, 248, 198, 7, {-7, -4, 35, 28}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CaptureRect(c.pointerX, c.pointerY, c.width, c.height, c.zoom), c.rect)
        << "zoom " << c.zoom << " at " << c.pointerX << ", " << c.pointerY;
  }
}

TEST(CaptureRect, PictureSmallerThanTheZoomFactorCapturesNothing) {
  const struct {
    int width, height, zoom;
  } cases[] = {{4, 132, 5}, {165, 19, 20}, {0, 0, 1}, {-165, 132, 1}, {165, -1, 1}};
  for (const auto& c : cases) {
    EXPECT_EQ(CaptureRect(0, 0, c.width, c.height, c.zoom), std::nullopt)
        << c.width << " x " << c.height << " at zoom " << c.zoom;
    EXPECT_EQ(MagnifierGeometryFor(c.width, c.height, c.zoom), std::nullopt)
        << c.width << " x " << c.height << " at zoom " << c.zoom;
  }
}

TEST(MagnifierGeometryFor, DefaultPictureMatchesTheWorkedTable) {
  const struct {
    int zoom;
    MagnifierGeometry geometry;
  } cases[] = {
      {1, {165, 132, 1, 1, 82, 66, 82, 66, 84, 68}},
      {2, {82, 66, 2, 2, 83, 66, 82, 65, 85, 68}},
      {5, {33, 26, 5, 5, 82, 66, 80, 64, 86, 70}},
      {10, {16, 13, 10, 10, 85, 64, 80, 59, 91, 70}},
      {20, {8, 6, 20, 22, 90, 78, 80, 67, 101, 90}},
      // Zooms with a negative and a large offset, worked out by hand.
      {7, {23, 18, 7, 7, 79, 67, 76, 64, 84, 72}},
      {11, {15, 12, 11, 11, 85, 74, 80, 69, 92, 81}},
      {12, {13, 11, 12, 12, 79, 65, 73, 59, 86, 72}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MagnifierGeometryFor(kPictureWidth, kPictureHeight, c.zoom), c.geometry)
        << "zoom " << c.zoom;
  }
}

TEST(MagnifierGeometryFor, ZoomNineteenAndTwentyShareTheirGeometry) {
  EXPECT_EQ(MagnifierGeometryFor(kPictureWidth, kPictureHeight, 19),
            MagnifierGeometryFor(kPictureWidth, kPictureHeight, 20));
}

TEST(MagnifierGeometryFor, ZoomOffTheListIsTheDefaultZoom) {
  for (const int zoom : {0, -1, 21, INT_MIN}) {
    EXPECT_EQ(MagnifierGeometryFor(kPictureWidth, kPictureHeight, zoom),
              MagnifierGeometryFor(kPictureWidth, kPictureHeight, kDefaultZoom))
        << "zoom " << zoom;
  }
}

}  // namespace
}  // namespace tw
