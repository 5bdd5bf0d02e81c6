#pragma once

// Every linear field group of the program: its unit fields, its field format
// and its factor table. Each table module holds the quantities of one family.

#include "convert/field_group.h"

namespace velmaro::tables {

// Main window (pressure_table.cpp, flow_tables.cpp).
extern const FieldGroup kPressure;
extern const FieldGroup kMassFlow;
extern const FieldGroup kVolumeFlow;

// Geometry dialogs (geometry_tables.cpp).
extern const FieldGroup kLength;
extern const FieldGroup kArea;
extern const FieldGroup kVolume;
extern const FieldGroup kCapacity;

// Mechanics dialogs (mechanics_tables.cpp).
extern const FieldGroup kMass;
extern const FieldGroup kForce;
extern const FieldGroup kSpeed;
extern const FieldGroup kDensity;

// Energy and power dialogs (energy_power_tables.cpp).
extern const FieldGroup kEnergy;
extern const FieldGroup kPower;

// Heat-transfer dialogs (heat_transfer_tables.cpp).
extern const FieldGroup kHeatFlux;
extern const FieldGroup kHeatTransferCoef;
extern const FieldGroup kThermalConductivity;

// Transport-property dialogs (transport_tables.cpp).
extern const FieldGroup kDynamicViscosity;
extern const FieldGroup kKinematicViscosity;
extern const FieldGroup kDiffusionCoef;
extern const FieldGroup kSurfaceTension;

} // namespace velmaro::tables
