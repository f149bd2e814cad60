#pragma once

#include <QString>

#include <array>
#include <vector>

class clsHomeData;

namespace results
{

// One cost method of the estimate record (or the stored lot price) by name.
struct CostMember {
    const char16_t* name;
    double (*value)(const clsHomeData&);
};

// One row of the cost breakout: the members that are added, the type the amount is formed in.
struct CostGroup {
    enum class Type { Single, Double };

    const char16_t* caption;    // design text; a doubled ampersand shows as one
    const char16_t* valueLabel; // label that receives the amount
    std::vector<CostMember> members;
    Type type;

    QString captionText() const; // the caption as shown
    // The members' sum, each called once in order; a Single row keeps single precision.
    double amount(const clsHomeData& home) const;
};

// The 22 groups in the order they are filled.
const std::array<CostGroup, 22>& costGroups();

// An amount as the breakout shows it: "$###,###.00" ($.00 for 0, $1,500.00 for 1500).
QString formatBreakout(double amount);

} // namespace results
