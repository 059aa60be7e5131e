#pragma once

#include "componentsystem/Actor.h"

#include <allegro5/allegro.h>

#include <map>
#include <memory>
#include <set>

// Draws registered actors onto the current target, each with the image its
// DrawableComponent shows, at its TransformableComponent's position, when that
// transform is visible. Actors are drawn in ascending id order, so an actor
// created later lies on top: the id order is the game's layering.
//
// An actor without a loaded DrawableComponent is a broken precondition: it is
// reported once on standard error and skipped, never drawn.
class DrawingSystem
{
public:
    // Registers the actor under its id; an id already registered keeps its actor.
    void Add(std::shared_ptr<Actor> actor);
    // Unregisters the actor with that id, if any.
    void Remove(int id);
    // Unregisters every actor.
    void Clear();

    // Draws the actor with that id; an unregistered id draws nothing.
    void Draw(int id);
    // Draws every actor, lowest id first.
    void DrawAll();
    // Draws the actor with that id and every one with a greater id; nothing when
    // the id is not registered.
    void DrawFrom(int id);
    // DrawAll and DrawFrom hold Allegro's deferred drawing: a run of consecutive
    // actors whose images share one texture (pieces of one atlas) reaches the
    // renderer as one batch. This is how many batches the last of them sent.
    int BatchesInLastPass() const;

private:
    // Draws the actor if it can be drawn; returns the image drawn, or nullptr.
    ALLEGRO_BITMAP* DrawOne(const std::shared_ptr<Actor>& actor);
    template <typename Iterator>
    void DrawRange(Iterator first, Iterator last);

    std::map<int, std::shared_ptr<Actor>> m_actors;
    // Actors already reported as undrawable, so the report is not repeated every frame.
    std::set<const Actor*> m_reported;
    int m_batches = 0;
};
