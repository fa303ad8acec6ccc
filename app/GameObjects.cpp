#include "app/GameObjects.h"

std::optional<platform::InOutError> CreateGameObjects(TForm1& form) {
  try {
    form.Create();
    return std::nullopt;
  } catch (const platform::InOutError& failure) {
    form.Destroy();
    return failure;
  }
}
