#include "estimate/HouseSizes.h"
#include "estimate/clsHomeData.h"
#include "estimate/costs/CostMath.h"

#include "runtime/vb/Conversions.h"
#include "runtime/vb/VbError.h"

#include <cmath>

// The house is laid out as a main rectangle plus HouseConfiguration - 1 equal wings. The depth of
// the main rectangle is never asked for, so lengths are averaged over the trial depths 24..36
// whose rectangle is at most 85 feet long.

namespace
{

constexpr int16_t kFirstDepth = 24;
constexpr int16_t kLastDepth = 36;
constexpr float kMaxLength = 85;

double squareRoot(double value)
{
    if (value < 0) throw vb::VbError::invalidCall();
    return std::sqrt(value);
}

} // namespace

vb::Integer clsHomeData::CalculateSquareFt(int iCalcType) const
{
    if (iCalcType < 1 || iCalcType > 3) {
        // Other modes are 0 too, but only after the room count has been read.
        const ComputeScope scope(*this);
        NumRooms();
        return 0;
    }
    const auto which = static_cast<Derived>(static_cast<size_t>(Derived::SquareFt1) + size_t(iCalcType - 1));
    return derived<vb::Integer>(which, [&]() -> vb::Integer {
        if (NumRooms().value() <= 0) return 0;
        switch (iCalcType) {
        case 1: {
            vb::Integer area = MainFloorSqFt() + SecondFloorSqFt() + ThirdFloorSqFt();
            if (FinishBonusRoom()) area += BonusRoomSqFt();
            return area;
        }
        case 2:
            return estimate::garageSqFt(NumCarGarage()) + MainFloorSqFt() + FrontPorchSqFt() +
                   RearPorchSqFt();
        default: {
            static constexpr double kShare[] = {1.0, 0.9, 0.8, 0.7, 0.6};
            const vb::Integer footprint = CalculateSquareFt(2);
            const int configuration = HouseConfiguration().value();
            return configuration == 1 ? footprint : vb::CInt(double(footprint) * kShare[configuration - 1]);
        }
        }
    });
}

float clsHomeData::FootprintLength(vb::Integer d) const
{
    auto compute = [&] { return static_cast<float>(double(CalculateSquareFt(3)) / double(d)); };
    const auto slot = depthSlot(Derived::FootprintLength, d);
    return slot ? derived<float>(*slot, compute) : compute();
}

float clsHomeData::HouseDepth() const
{
    return derived<float>(Derived::HouseDepth, [&]() -> float {
        float sum = 0;
        vb::Integer count = 0;
        for (int16_t d = kFirstDepth; d <= kLastDepth; d += 2) {
            if (FootprintLength(d) <= kMaxLength) {
                sum = static_cast<float>(double(sum) + d);
                count += 1;
            }
        }
        if (sum == 0) {
            sum = kLastDepth;
            count = 1;
        }
        return static_cast<float>(double(sum) / double(count));
    });
}

float clsHomeData::BasementLengthForDepth(vb::Integer d) const
{
    auto compute = [&] {
        const float length = static_cast<float>(double(BasementSqFt()) / double(d));
        const float rectangle = FootprintLength(d);
        return length > rectangle ? rectangle : length;
    };
    const auto slot = depthSlot(Derived::BasementLengthForDepth, d);
    if (slot) return derived<float>(*slot, compute);
    const ComputeScope scope(*this);
    return compute();
}

float clsHomeData::BasementLength() const
{
    return derived<float>(Derived::BasementLength, [&]() -> float {
        float sum = 0;
        vb::Integer count = 0;
        for (int16_t d = kFirstDepth; d <= kLastDepth; d += 2) {
            if (FootprintLength(d) <= kMaxLength) {
                sum = static_cast<float>(double(sum) + double(BasementLengthForDepth(d)));
                count += 1;
            }
        }
        if (sum == 0) {
            sum = BasementLengthForDepth(kLastDepth);
            count = 1;
        }
        return static_cast<float>(double(sum) / double(count));
    });
}

float clsHomeData::WingDepth() const
{
    return derived<float>(Derived::WingDepth, [&]() -> float {
        const vb::Integer configuration = HouseConfiguration();
        if (configuration.value() == 1) return 0;
        const vb::Integer wings = configuration - vb::Integer(1);
        const double area = double(CalculateSquareFt(2) - CalculateSquareFt(3)) / double(wings);
        const float root = static_cast<float>(squareRoot(area));
        return root > 24 ? 24.0f : 14.0f;
    });
}

float clsHomeData::WingLength() const
{
    return derived<float>(Derived::WingLength, [&]() -> float {
        const vb::Integer configuration = HouseConfiguration();
        if (configuration.value() == 1) return 0;
        const vb::Integer wings = configuration - vb::Integer(1);
        const double area = double(CalculateSquareFt(2) - CalculateSquareFt(3)) / double(wings);
        return static_cast<float>(area / double(WingDepth()));
    });
}

double clsHomeData::HousePerimeter() const
{
    return derived<double>(Derived::HousePerimeter, [&]() -> double {
        const vb::Integer wings = HouseConfiguration() - vb::Integer(1);
        const double wingSides = double(vb::Integer(2) * wings) * double(WingDepth());
        double sum = 0;
        vb::Integer count = 0;
        for (int16_t d = kFirstDepth; d <= kLastDepth; d += 2) {
            const float length = FootprintLength(d);
            if (length <= kMaxLength) {
                sum += double(vb::Integer(2) * vb::Integer(d)) + 2 * double(length) + wingSides;
                count += 1;
            }
        }
        if (sum == 0) {
            sum = 72 + 2 * double(FootprintLength(kLastDepth)) + wingSides;
            count = 1;
        }
        return sum / double(count);
    });
}

float clsHomeData::FoundationPerimeter() const
{
    return derived<float>(Derived::FoundationPerimeter, [&]() -> float {
        const int16_t type = FoundationType().value();
        if (type == 3) return static_cast<float>(HousePerimeter());

        const vb::Integer wings = HouseConfiguration() - vb::Integer(1);
        const float wingDepth = WingDepth();
        const float wingLength = WingLength();
        const vb::Integer wingSides = vb::Integer(2) * wings;
        const vb::Integer garageEdge = vb::Integer(8) * NumCarGarage();
        const bool partial = type != 1 && type != 2;

        vb::Integer wingEnds = wingDepth <= 14 ? vb::Integer(2) * wings : vb::Integer(3) * wings;
        vb::Integer walls = 0; // long sides of the main rectangle that are foundation walls
        if (partial) {
            walls = BasementSqFt() < CalculateSquareFt(3) ? 3 : 2;
            if (BasementSqFt() == MainFloorSqFt()) wingEnds = wings;
        }

        auto term = [&](vb::Integer d) {
            const double length = FootprintLength(d);
            const double k = d.value() <= 28 ? 3 : 4;
            double t;
            if (partial) {
                const double basement = BasementLengthForDepth(d);
                t = k * (length - basement) + double(walls * d) + 2 * basement;
            } else {
                t = k * length + double(vb::Integer(2) * d);
            }
            return t + double(wingSides) * double(wingDepth) + double(wingEnds) * double(wingLength) -
                   double(garageEdge);
        };

        float sum = 0;
        vb::Integer count = 0;
        for (int16_t d = kFirstDepth; d <= kLastDepth; d += 2) {
            if (FootprintLength(d) <= kMaxLength) {
                sum = static_cast<float>(double(sum) + term(d));
                count += 1;
            }
        }
        if (sum == 0) {
            sum = static_cast<float>(term(kLastDepth));
            count = 1;
        }
        if (sum < 0) return 0;
        return static_cast<float>(double(sum) / double(count));
    });
}

float clsHomeData::BasementPerimeter() const
{
    return derived<float>(Derived::BasementPerimeter, [&]() -> float {
        if (!estimate::costs::hasBasement(FoundationType().value())) return 0;
        return static_cast<float>(2 * (double(BasementLength()) + double(HouseDepth())));
    });
}

float clsHomeData::FootingLength() const
{
    return derived<float>(Derived::FootingLength, [&]() -> float {
        switch (FoundationType().value()) {
        case 1:
        case 2:
        case 4:
            return FoundationPerimeter();
        case 3:
            return static_cast<float>(HousePerimeter());
        default:
            return 0;
        }
    });
}

float clsHomeData::SlabExcavationYards() const
{
    return derived<float>(Derived::SlabExcavationYards, [&]() -> float {
        if (FoundationType().value() != 2) return 0;
        return static_cast<float>(double(FoundationPerimeter()) * 0.94444);
    });
}

float clsHomeData::CrawlExcavationYards() const
{
    return derived<float>(Derived::CrawlExcavationYards, [&]() -> float {
        const int16_t type = FoundationType().value();
        if (type != 1 && type != 4) return 0;
        // A main floor made smaller than the basement after the fact leaves no crawl area.
        const vb::Integer area = CalculateSquareFt(2) - BasementSqFt();
        const float side = static_cast<float>(area.value() < 0 ? 0.0 : std::sqrt(double(area)));
        const double pit = double(side) + 4 + 3;
        return static_cast<float>(pit * pit * 3 / 27);
    });
}

float clsHomeData::BasementExcavationYards() const
{
    return derived<float>(Derived::BasementExcavationYards, [&]() -> float {
        if (!estimate::costs::hasBasement(FoundationType().value())) return 0;
        const float side = static_cast<float>(squareRoot(double(BasementSqFt())));
        const vb::Integer height = BasementCeilingHeight();
        const double pit = double(side) + 4 + double(height);
        return static_cast<float>(pit * pit * double(height) / 27);
    });
}
