// Arbitrary point counts, array lengths and contents, both directions: the
// transform must never crash, must leave a refused array bit for bit as it
// was, and must show the length message exactly when it refuses a length.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "engine/nrFFT.h"

namespace {

int gMessages = 0;
void CountMessage(std::string_view) { ++gMessages; }

bool IsPowerOfTwoAtLeastTwo(std::int32_t n) { return n >= 2 && (n & (n - 1)) == 0; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 5)
        return 0;
    nrFFT::SetMessageHook(CountMessage);
    std::int32_t points;
    std::memcpy(&points, data, sizeof points);
    const bool inverse = data[4] & 1;
    // Mostly small counts, so that the transform itself gets exercised.
    if (data[4] & 2)
        points %= 4097;
    std::vector<double> array((size - 5) / sizeof(double));
    if (!array.empty())
        std::memcpy(array.data(), data + 5, array.size() * sizeof(double));
    const std::vector<double> before = array;

    gMessages = 0;
    bool threw = false;
    try {
        nrFFT::FFT(array, points, inverse);
    } catch (const std::overflow_error&) {
        threw = true;
    } catch (const std::out_of_range&) {
        threw = true;
    }
    const bool refused = !IsPowerOfTwoAtLeastTwo(points);
    const bool unchanged =
        array.empty() || std::memcmp(before.data(), array.data(), array.size() * sizeof(double)) == 0;
    if ((refused || threw) && !unchanged)
        std::abort();
    if (gMessages != ((refused && !threw) ? 1 : 0))
        std::abort();
    if (!threw && !refused) {
        // Entries past the transformed ones are never touched.
        const std::size_t used = 2 * static_cast<std::size_t>(points);
        if (array.size() > used &&
            std::memcmp(before.data() + used, array.data() + used, (array.size() - used) * sizeof(double)) != 0)
            std::abort();
    }
    return 0;
}
