#include "assets/asset_name.h"

#include <limits>

namespace vignetta::assets {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view withoutLeadingZeros(std::string_view digits)
{
    std::size_t i = 0;
    while (i < digits.size() && digits[i] == '0')
        ++i;
    return digits.substr(i);
}

} // namespace

double AssetName::number() const
{
    const std::string_view d = withoutLeadingZeros(digits);
    if (d.size() > 308)
        return std::numeric_limits<double>::max();
    double value = 0;
    for (char c : d)
        value = value * 10 + (c - '0');
    return value;
}

AssetName splitAssetName(std::string_view fileName)
{
    AssetName n;
    n.fileName = std::string(fileName);
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos || dot == 0) {
        n.baseName = n.fileName;
    } else {
        n.baseName = std::string(fileName.substr(0, dot));
        n.suffix = std::string(fileName.substr(dot + 1));
    }
    std::string_view base = n.baseName;
    std::size_t p = 0;
    while (p < base.size() && (base[p] == '!' || base[p] == '$'))
        ++p;
    n.prefix = std::string(base.substr(0, p));
    std::size_t end = base.size();
    while (end > p && isDigit(base[end - 1]))
        --end;
    n.nodeName = std::string(base.substr(p, end - p));
    n.digits = std::string(base.substr(end));
    return n;
}

int compareDigits(std::string_view a, std::string_view b)
{
    a = withoutLeadingZeros(a);
    b = withoutLeadingZeros(b);
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    const int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

bool assetLess(const AssetName &a, const AssetName &b)
{
    if (const int c = a.prefix.compare(b.prefix); c != 0)
        return c < 0;
    if (const int c = a.nodeName.compare(b.nodeName); c != 0)
        return c < 0;
    if (const int c = compareDigits(a.digits, b.digits); c != 0)
        return c < 0;
    if (const int c = a.suffix.compare(b.suffix); c != 0)
        return c < 0;
    return a.fileName < b.fileName;
}

} // namespace vignetta::assets
