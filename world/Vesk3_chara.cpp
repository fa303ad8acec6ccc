#include "world/Vesk3_chara.h"

void TCharacter::Turn(int32_t DX, int32_t DY) {
  // A sideways component wins over an upright one; only the signs count.
  if (DX < 0) {
    Facing = kLeft;
  } else if (DX > 0) {
    Facing = kRight;
  } else if (DY < 0) {
    Facing = kUp;
  } else if (DY > 0) {
    Facing = kDown;
  }
}

void TCharacter::Step(int32_t DX, int32_t DY) {
  X += DX;
  Y += DY;
  Turn(DX, DY);
}
