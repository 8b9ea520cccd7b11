#pragma once
// Screen units: object geometry is kept in pixels at zoom 1, stock and page
// geometry in inches. All take the screen's pixels per inch.
namespace pc::text {

// t x P / 1000, rounded half to even.
int thousandthsToPixels(int thousandths, int dotsPerInch);
// p x 1000 / P, truncated toward zero.
int pixelsToThousandths(int pixels, int dotsPerInch);
double pixelsToInches(double pixels, int dotsPerInch);

}  // namespace pc::text
