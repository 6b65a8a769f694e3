#include "controls/gradient_steps.h"

#include <cstdint>
#include <cstdlib>

#include "generator/shift_jis.h"

namespace huewright {

namespace {

/// One channel's signed difference (start - end) and its whole-number step per character, both in
/// the channel's own bit position.
struct ChannelStep {
    std::int32_t difference;
    ColourValue step;
};

ChannelStep channelStep(ColourValue start, ColourValue end, ColourValue mask, int shift,
                        int count) {
    const std::int32_t difference =
        static_cast<std::int32_t>(start & mask) - static_cast<std::int32_t>(end & mask);
    ColourValue step = 0;
    if (count > 1) {
        const std::int32_t channel = std::abs(difference) >> shift;
        step = static_cast<ColourValue>(channel / (count - 1)) << shift;
    }
    return {difference, step};
}

}  // namespace

std::vector<GradientCharacter> gradientCharacters(std::string_view caption, ColourValue start,
                                                  ColourValue end) {
    const int count = characterCount(caption);
    const ChannelStep steps[] = {channelStep(start, end, 0x0000FFu, 0, count),
                                 channelStep(start, end, 0x00FF00u, 8, count),
                                 channelStep(start, end, 0xFF0000u, 16, count)};

    std::vector<GradientCharacter> characters;
    characters.reserve(static_cast<std::size_t>(count));
    ColourValue colour = start;
    for (std::size_t i = 0; i < caption.size();) {
        const std::size_t length = characterLengthAt(caption, i);
        characters.push_back({caption.substr(i, length), colour});
        i += length;
        // No channel passes its end value, so a step never borrows from or carries into a
        // neighbouring channel or the top byte.
        for (const ChannelStep& channel : steps) {
            colour = channel.difference < 0 ? colour + channel.step : colour - channel.step;
        }
    }
    return characters;
}

}  // namespace huewright
