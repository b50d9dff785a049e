#include "editor/help_text.h"

namespace help {

// Every line ends in an explicit break and stays well inside the page's text
// width, so word wrapping never moves a heading off its band.
const char* const kBlocks[kBlockCount] = {
    // Lines 0 to 31.
    "\n"
    "1. Tarvexor features\n"
    "\n"
    "Tarvexor is a peak compressor and limiter made to raise the\n"
    "loudness of a recording without audible distortion. Use it\n"
    "on a single mono track or as the last stage on a master.\n"
    "\n"
    "There is no attack control: the attack time is zero, so the\n"
    "gain is already down when a peak arrives. Tarvexor reacts to\n"
    "the peaks of the signal, not to its RMS energy, so no peak\n"
    "slips through while a detector is still averaging.\n"
    "All processing is done in 32-bit floating point, so no\n"
    "headroom is lost inside the plug-in.\n"
    "\n"
    "Hints :\n"
    "- While Auto Normalize seeks the highest peak, the level may\n"
    "  jump. Play the loudest passage once before you judge it.\n"
    "- In Auto Normalize mode the limiter threshold is linked to\n"
    "  the output: lowering the threshold raises the output gain.\n"
    "- Click just above or below a fader handle to move the fader\n"
    "  by one fine step.\n"
    "- Click a numeric display to type a value; Enter takes it.\n"
    "- Click a meter to reset its peak memory.\n"
    "- Click the word Threshold to switch its display between the\n"
    "  compressor threshold (white) and the limiter threshold (red).\n"
    "- Right-click the window for the context menu. Its settings\n"
    "  apply to all instances and are stored in the registry under\n"
    "  HKEY_CURRENT_USER\\Software\\OrbanePlugIns\\Tarvexor\n"
    "- Do not overcompress: a track squashed flat loses its life\n"
    "  and tires the listener. Less is often louder in the end.",

    // Lines 32 to 64.
    "2. Tarvexor controls\n"
    "\n"
    "Threshold faders\n"
    "The left fader, marked LIMIT and with a red handle line, sets\n"
    "the limiter threshold from -24 dB to 0 dB. The limiter has a\n"
    "fixed ratio of infinity to one and a fixed 10 ms release.\n"
    "The fader with the green handle line sets the compressor\n"
    "threshold from -36 dB to -0.5 dB. Peaks above it are\n"
    "compressed with the ratio of the Ratio fader.\n"
    "\n"
    "Ratio fader\n"
    "Sets the compression ratio from 1:1 (no compression) up to\n"
    "30:1, where the compressor comes close to a limiter.\n"
    "\n"
    "Release fader\n"
    "Sets how fast the gain recovers after a peak, from 10 ms to\n"
    "999 ms. The release curve is non-linear: the gain recovers\n"
    "quickly at first and more slowly as it nears unity, and\n"
    "small peaks recover faster than large ones.\n"
    "The blue Auto switch below the fader sets the release from\n"
    "the depth of each reduction instead: short for a light\n"
    "reduction, longer for a deep one.\n"
    "\n"
    "Reduction level display\n"
    "The meter beside the wave display shows how far the\n"
    "compressor and the limiter together lower the gain. For\n"
    "most material it normally stays within about 6 dB.\n"
    "\n"
    "Soft switch\n"
    "With Soft on, the compression grows with the level above\n"
    "the threshold and reaches the full ratio only at 0 dB.\n"
    "With Soft off, the full ratio applies right at the threshold.",

    // Lines 65 to 95.
    "\n"
    "Auto Normalize switch\n"
    "Auto Normalize brings the highest peak up to the ceiling\n"
    "chosen in the context menu under Auto Normalize to: 0 dBFS,\n"
    "-0.01, -0.05 or -0.09 dBFS. It never lets a peak go above\n"
    "the ceiling, so the output cannot clip.\n"
    "When it is switched on, the gain starts at +24 dB and comes\n"
    "down as louder peaks arrive, until the loudest peak sits\n"
    "exactly at the ceiling. The Output fader then follows the\n"
    "limiter threshold: lower the LIMIT fader to make the track\n"
    "louder while the peaks stay at the ceiling.\n"
    "\n"
    "Final dither\n"
    "The 16 bit Dither switch adds a very small noise to the\n"
    "output before it is cut down to 16 bits for a CD or a\n"
    "16-bit file. The noise hides the distortion that cutting\n"
    "the word length would otherwise add to quiet passages and\n"
    "fades.\n"
    "Dither must be the last step before the 16-bit file is\n"
    "written: use Tarvexor as the last effect in the chain and\n"
    "add no gain, equalisation or other effect after it, or the\n"
    "dither is spoiled. Leave it off when you render at 24 or\n"
    "32 bits.\n"
    "\n"
    "\n"
    "Bypass\n"
    "Passes the input to the output untouched, so you can compare\n"
    "the processed sound with the original.\n"
    "\n"
    "Output fader\n"
    "Sets the output gain from 0 dB to +24 dB.",

    // Lines 96 to 126.
    "\n"
    "Output level display\n"
    "The two bars at the right show the output level, each with a\n"
    "peak hold line. Red, at the top, means a level above 0 dB,\n"
    "which clips as soon as the signal is written to a 16-bit or\n"
    "24-bit file.\n"
    "\n"
    "WaveDisplay\n"
    "Shows the signal scrolling from right to left: the input, the\n"
    "signal after the compressor and after the limiter each in a\n"
    "colour of their own, and lines at the compressor and limiter\n"
    "thresholds. The small fader to its right sets the zoom.\n"
    "The context menu chooses the zoom range, the speed and the\n"
    "colours. For Custom, edit the first five custom colours of\n"
    "the colour dialog: input, compressed, limited, compressor\n"
    "threshold and limiter threshold, in this order.\n"
    "The menu also sets the peak hold time of the meters.\n"
    "\n"
    "LookAhead fader\n"
    "Delays the audio by 0 to 10 ms, so that the gain can come\n"
    "down smoothly before a peak arrives instead of all at once\n"
    "on the peak itself. The delay is latency: Tarvexor reports\n"
    "it to the host, which can compensate for it. With the fader\n"
    "at its left end there is no delay.\n"
    "\n"
    "\n"
    "RMS Display\n"
    "Shows the average energy of the output in dB. Of the two\n"
    "channels, the louder one is shown.",

    // Lines 127 to 154.
    "3. How to use Tarvex ?\n"
    "\n"
    "A good order of work:\n"
    "1) Set the zoom so that the loud parts fill the wave display.\n"
    "2) Set the limiter threshold to 0 dB; switch Auto release on.\n"
    "3) Lower the compressor threshold and raise the ratio until\n"
    "    the reduction meter and your ears agree.\n"
    "4) Switch Auto Normalize on and play the loudest passage.\n"
    "5) Lower the limiter threshold a little, until the limiter\n"
    "    just catches the highest peaks.\n"
    "6) Switch Auto Normalize off before you render, so the gain\n"
    "    found while playing stays fixed during the render.\n"
    "\n"
    "For a master that becomes a 16-bit file, switch Final\n"
    "dither on as the very last step.\n"
    "\n"
    "Enjoy Tarvexor, and happy mixing!",
};

// The headings' lines: the three main headings, "Hints :" and the thirteen
// control sections.
const Band kBands[kBandCount] = {{1, 24},  {14, 14},  {32, 24},  {34, 14},  {42, 14}, {46, 14},
                                 {55, 14}, {60, 14},  {66, 14},  {77, 14},  {90, 14}, {94, 14},
                                 {97, 14}, {103, 14}, {114, 14}, {122, 14}, {127, 24}};

Rows bandRows(const Band& band, int topLine) {
    int top = (band.line - topLine) * kLineHeight;
    if (isSubheading(band)) return {top, top + kLineHeight};
    top -= kHeadingLift;
    return {top, top + band.height};
}

int blockTop(int block, int topLine) {
    return (kBlockStartLine[block] - topLine) * kLineHeight;
}

int scrollDelta(ScrollRequest request, int thumbLine, int topLine) {
    switch (request) {
    case ScrollRequest::lineUp:
        return -1;
    case ScrollRequest::lineDown:
        return 1;
    case ScrollRequest::pageUp:
        return -8;
    case ScrollRequest::pageDown:
        return 8;
    case ScrollRequest::thumbTrack:
        return thumbLine - topLine;
    default:
        return 0;
    }
}

int clampTopLine(int line) {
    if (line < 0) return 0;
    return line > kLastTopLine ? kLastTopLine : line;
}

} // namespace help
