#pragma once
// Puts stand-ins in place of the platform calls behind a seam for as long as it lives, then
// the calls it replaced back. A seam is a struct of function pointers (FooCalls) with its
// ReplaceFooCalls function, which installs calls and returns the ones it replaced.
template <class Calls, Calls (*Replace)(Calls)>
class ReplacedCalls {
 public:
  explicit ReplacedCalls(Calls calls) : previous_(Replace(calls)) {}
  ~ReplacedCalls() { Replace(previous_); }
  ReplacedCalls(const ReplacedCalls&) = delete;
  ReplacedCalls& operator=(const ReplacedCalls&) = delete;

  // The calls that were in place before: a stand-in may pass some on to them.
  const Calls& previous() const { return previous_; }

 private:
  Calls previous_;
};
