#pragma once

// Anything stepped on each player tick: the player and the demo's computer player.
class ControllerBaseType {
public:
    virtual void update(double seconds) = 0;
    virtual ~ControllerBaseType() = default;
};
