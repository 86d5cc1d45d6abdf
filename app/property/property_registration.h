#pragma once

namespace vignetta::property {

// Registers the types of the property panel and the asset selectors with the QML engine,
// module "Vignetta.Property" 1.0.
void registerPropertyTypes();

} // namespace vignetta::property
