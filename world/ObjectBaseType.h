#pragma once

class MySoundManager;
class GameApplication;

// A transient game object, updated every game frame while play runs.
class ObjectBaseType {
public:
    virtual void update(double seconds, MySoundManager& sounds, GameApplication& app);
    virtual ~ObjectBaseType() = default;
};

inline void ObjectBaseType::update(double, MySoundManager&, GameApplication&) {}
