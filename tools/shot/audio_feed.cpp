#include "tools/shot/audio_feed.h"

#include <algorithm>
#include <windows.h>

namespace shot {

namespace {

constexpr UINT kDisplayTick = WM_USER + 5;

// Paints and idle calls go through; display ticks other than ours do not.
void pumpWithoutTimerTicks(AEffect* effect, HWND editor) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == kDisplayTick && msg.hwnd == editor) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    effect->dispatcher(effect, effEditIdle, 0, 0, nullptr, 0.0f);
}

} // namespace

void feedInRealTime(AEffect* effect, host::EditorHostWindow& window,
                    const std::vector<float>& samples, const FeedOptions& o) {
    std::vector<float> out(o.blockSize);
    const DWORD start = GetTickCount();
    for (std::size_t done = 0; done < samples.size();) {
        std::size_t n = std::min<std::size_t>(o.blockSize, samples.size() - done);
        processSpan(effect, samples.data() + done, n, o.blockSize, out);
        done += n;
        auto due = static_cast<DWORD>(1000.0 * static_cast<double>(done) / o.sampleRate);
        LONG ahead = static_cast<LONG>(start + due - GetTickCount());
        window.pump(ahead > 0 ? static_cast<int>(ahead) : 0);
    }
}

void feedTickByTick(AEffect* effect, host::EditorHostWindow& window,
                    const std::vector<float>& samples, const FeedOptions& o) {
    std::vector<float> out(o.blockSize);
    HWND editor = window.editorWindow();
    const double perTick = o.sampleRate * o.tickMs / 1000.0;
    std::size_t done = 0;
    for (long tick = 1; done < samples.size(); ++tick) {
        auto end = std::min(samples.size(), static_cast<std::size_t>(perTick * tick + 0.5));
        processSpan(effect, samples.data() + done, end - done, o.blockSize, out);
        done = end;
        SendMessageA(editor, kDisplayTick, 0, 0);
        pumpWithoutTimerTicks(effect, editor);
    }
}

} // namespace shot
