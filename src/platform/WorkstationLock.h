#pragma once

// Locks the user's session.
class WorkstationLock {
public:
    virtual ~WorkstationLock() = default;
    // Returns false when no locking service answered.
    virtual bool lock() = 0;
};
