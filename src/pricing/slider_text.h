#ifndef QX_PRICING_SLIDER_TEXT_H
#define QX_PRICING_SLIDER_TEXT_H

#include <string>

namespace qx {

// The text beside a volatility slider, the main window's or a graph window's: whole
// percent as a fraction with three decimals (30 gives "0.300", 300 gives "3.000").
std::string VolatilitySliderText(int percent);

// The interest or dividend slider's text: tenths of a percent as a percentage with one
// decimal (55 gives "5.5%", 0 gives "0.0%").
std::string RateSliderText(int tenths);

}  // namespace qx

#endif  // QX_PRICING_SLIDER_TEXT_H
