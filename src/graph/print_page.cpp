#include "graph/print_page.h"

#include <algorithm>

#include "graph/graph_model.h"
#include "pricing/date_text.h"
#include "pricing/number_text.h"

namespace qx {

namespace {

constexpr ColorRef kWhite = Rgb(255, 255, 255);
constexpr ColorRef kBlack = Rgb(0, 0, 0);

// A colour no lighter than mid-grey, its hue kept: yellow becomes olive, blue stays blue.
ColorRef Darkened(ColorRef color) {
    const int r = color & 0xff;
    const int g = (color >> 8) & 0xff;
    const int b = (color >> 16) & 0xff;
    const double luminance = (0.299 * r + 0.587 * g + 0.114 * b) / 255;
    constexpr double kMost = 0.4;
    if (luminance <= kMost) return color;
    const double f = kMost / luminance;
    return Rgb(static_cast<int>(r * f), static_cast<int>(g * f), static_cast<int>(b * f));
}

// A price in two decimals, "0" for nothing paid.
std::string Amount(double price) {
    const std::string text = NumberText(price, 2, false);
    return text.empty() ? "0" : text;
}

}  // namespace

Settings PrintSettings(const Settings& screen) {
    Settings paper = screen;
    if (screen.printScreenColors) return paper;
    paper.backgroundColor = kWhite;
    paper.scaleColor = kBlack;
    paper.scaleTextColor = kBlack;
    paper.titleColor = kBlack;
    for (ColorRef& color : paper.plotColors) color = Darkened(color);
    return paper;
}

std::vector<std::string> PrintHeader(const GraphModel& model, const std::string& documentName,
                                     const std::vector<std::string>& summaryLines,
                                     const Settings& settings) {
    std::vector<std::string> lines;
    if (!documentName.empty()) lines.push_back(documentName);
    const std::string symbol = model.GetStock().GetSymbol();
    const std::string date =
        model.GetBaseDate().Format(settings.dateFormat == kMonthDayYear ? "%m/%d/%Y" : "%d/%m/%Y");
    lines.push_back((Stock::IsPlaceholderSymbol(symbol) ? std::string() : symbol + "   ") +
                    "Valued " + date);
    for (int k = 1; k <= model.GetOptionCount(); ++k) {
        const Option& leg = model.GetOption(k);
        lines.push_back(leg.TradeDescription() + " at " + Amount(leg.GetPrice()));
    }
    const Stock& stock = model.GetStock();
    if (stock.GetSide() != Side::kNone && stock.GetShares() > 0)
        lines.push_back(std::string(stock.GetSide() == Side::kBuy ? "Buy " : "Sell ") +
                        IntegerText(stock.GetShares()) + " units at " + Amount(stock.GetPrice()));
    for (const std::string& line : summaryLines) {
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> FitToWidth(const std::vector<std::string>& lines, int width,
                                    const std::function<int(const std::string&)>& measure) {
    const std::string separator = "   ";
    std::vector<std::string> rows;
    const auto pack = [&](const std::string& line) {
        std::string row;
        for (std::size_t start = 0; start < line.size();) {
            const std::size_t end = std::min(line.find(separator, start), line.size());
            const std::string item = line.substr(start, end - start);
            start = end + separator.size();
            if (!row.empty() && measure(row + separator + item) <= width) {
                row += separator + item;
                continue;
            }
            if (!row.empty()) rows.push_back(row);
            row = item;
        }
        if (!row.empty()) rows.push_back(row);
    };
    for (const std::string& text : lines) {
        for (std::size_t start = 0; start <= text.size();) {
            const std::size_t end = std::min(text.find('\n', start), text.size());
            pack(text.substr(start, end - start));
            start = end + 1;
        }
    }
    return rows;
}

}  // namespace qx
