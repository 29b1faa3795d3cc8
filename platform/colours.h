#pragma once

#include <QColor>

// The colours of the windows' designs, each written once. Black and white are Qt's own.
namespace kerbu::colours {

// Backgrounds of the windows
inline constexpr QColor sand{221, 204, 187};      // 1/a and 1/b
inline constexpr QColor ivory{238, 238, 221};     // 2/a, 2/b and 2/c
inline constexpr QColor lightGrey{224, 224, 224}; // 3, 4, 5 and the background window
inline constexpr QColor silver{192, 192, 192};    // the splash and the main menu

// Labels and boxes
inline constexpr QColor paleOrange{255, 224, 192}; // titles and the go-to block's heading
inline constexpr QColor brown{204, 152, 102};      // 1/a's endings and ending box
inline constexpr QColor nutBrown{204, 153, 102};   // 1/b's endings and ending box
inline constexpr QColor cream{255, 238, 221};      // 1/a's and 1/b's Plus explanation
inline constexpr QColor paleYellow{255, 255, 187}; // 2/a's endings, question and ending box
inline constexpr QColor eggshell{255, 255, 238};   // 2/a's Plus explanation
inline constexpr QColor green{0, 255, 0};          // the person of exercise 3
inline constexpr QColor grey{128, 128, 128};       // the character chart's letters
inline constexpr QColor markRed{160, 0, 0};        // the letters a hint marks

// The gaps of 4 and 5: open and solved, for the accusative and for the place endings
inline constexpr QColor lightYellow{255, 255, 192};
inline constexpr QColor yellow{255, 255, 0};
inline constexpr QColor tan{238, 187, 136};
inline constexpr QColor apricot{255, 192, 128};

// The learner's recording beside the voice
inline constexpr QColor recordingLevel{200, 40, 40};
inline constexpr QColor learnerTrace{30, 90, 170};
inline constexpr QColor voiceTrace{40, 130, 60};

} // namespace kerbu::colours
