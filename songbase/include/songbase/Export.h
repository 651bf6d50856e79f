#pragma once
#define SONGBASE_API __attribute__((visibility("default")))
