#include "start/InputMethodChoice.h"

#include <iostream>

#include "platform/input/SystemInputMethod.h"
#include "platform/system/Choices.h"
#include "platform/system/Messages.h"

bool UsesSystemInputMethod(const platform::Settings& settings) {
  return settings.InputMethod == platform::kSystemInputMethod;
}

std::unique_ptr<platform::InputMethod> InputMethodFor(const platform::Settings& settings,
                                                      platform::HangulKeyboard*& keyboard) {
  keyboard = nullptr;
  if (UsesSystemInputMethod(settings)) return std::make_unique<platform::SystemInputMethod>();
  auto hangul = platform::HangulKeyboard::Make();
  if (!hangul) {
    platform::WriteMessage(
        platform::Format(_("%s; typing Latin letters only"), hangul.Error().Message.c_str()));
    return std::make_unique<platform::DirectInput>();
  }
  (*hangul)->SetHangulMode(settings.HangulMode.value_or(true));
  keyboard = hangul->get();
  return std::move(*hangul);
}

void KeepHangulMode(platform::Settings& settings, const platform::HangulKeyboard* keyboard) {
  if (keyboard && keyboard->HangulMode() != settings.HangulMode.value_or(true)) {
    settings.HangulMode = keyboard->HangulMode();
  }
}
