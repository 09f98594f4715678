// The program's fixed texts.
#pragma once

namespace product {
inline constexpr char kTitle[] = "Varnelo";     // product title
inline constexpr char kAppTitle[] = "Tindrel";  // caption of the program's message boxes
inline constexpr char kMakerName[] = "Ostrevane";
inline constexpr char kMakerUrl[] =
    "https://www.ostrevane.com/";  // shown in About, opened by the web button
}  // namespace product
