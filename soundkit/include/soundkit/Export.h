#pragma once
#define SOUNDKIT_API __attribute__((visibility("default")))
