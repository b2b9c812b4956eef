#pragma once

namespace z5t8::framework {

// Makes the framework's control classes known to component streams by name.
void RegisterFrameworkClasses();

}  // namespace z5t8::framework
