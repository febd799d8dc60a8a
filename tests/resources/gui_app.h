#pragma once

// The painters need a QGuiApplication for their fonts; gtest_main does not make one.
void ensureGuiApp();
