// Vesk3_chara: the hero's place on the map and the way it faces, which picks its sprite.
#pragma once

#include <cstdint>

class TCharacter {
 public:
  // Facing values: the sprite of the "CHARA" sheet is Facing + 8.
  static constexpr uint8_t kDown = 0;
  static constexpr uint8_t kUp = 1;
  static constexpr uint8_t kRight = 2;
  static constexpr uint8_t kLeft = 3;

  TCharacter(int32_t X, int32_t Y) : X(X), Y(Y), Facing(kDown) {}

  int32_t SpriteIndex() const { return Facing + 8; }
  void Turn(int32_t DX, int32_t DY);
  void Step(int32_t DX, int32_t DY);
  void Release() {}

  int32_t X;
  int32_t Y;
  uint8_t Facing;
};
