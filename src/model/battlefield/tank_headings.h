// The tank's picture and size for each heading it can drive in, seen from above.
#pragma once

namespace kr {

struct TankHeading {
  const char* picture;
  float width;
  float height;
};

inline constexpr TankHeading kTankDown{"tankvniz", 40, 92};
inline constexpr TankHeading kTankUp{"tankvverh", 40, 92};
inline constexpr TankHeading kTankRight{"tankvpravo", 92, 40};
inline constexpr TankHeading kTankLeft{"tankvlevo", 92, 40};
inline constexpr TankHeading kTankUpRight{"diagvverhvpravo", 92, 92};
inline constexpr TankHeading kTankUpLeft{"diagvverhvlevo", 92, 92};
inline constexpr TankHeading kTankDownLeft{"tankdiagvnizvlevo", 92, 92};
inline constexpr TankHeading kTankDownRight{"tankdiagvnizvpravo", 92, 92};

}  // namespace kr
