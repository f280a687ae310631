#pragma once
struct Guard {};
